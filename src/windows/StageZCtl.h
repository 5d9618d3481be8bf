#pragma once

#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "sdk/DeviceIndex.h"
#include "windows/MemoryListCtl.h"

// The stage window's column of the Z drive's memories.
class StageZCtl : public MemoryListCtl {
public:
    StageZCtl(PadMemoryHost& host, SvgIconRegistry& icons, QWidget* parent = nullptr)
        : MemoryListCtl(host,
                        {PadMemoryHost::MemZ, "Z", "picZStage", &g_LangFrmStage.TxtZStage,
                         {{PadMemoryHost::AxisZ, &g_MemZ}}, {DeviceIndex::ZDrive}, false, false, kWidthTwips},
                        icons, parent)
    {
    }

    using MemoryListCtl::sub_SetLanguage;

    static constexpr int kWidthTwips = 2415;
};

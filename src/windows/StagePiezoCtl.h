#pragma once

#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "sdk/DeviceIndex.h"
#include "windows/MemoryListCtl.h"

// The stage window's column of the piezo Z stage's memories.
class StagePiezoCtl : public MemoryListCtl {
public:
    StagePiezoCtl(PadMemoryHost& host, SvgIconRegistry& icons, QWidget* parent = nullptr)
        : MemoryListCtl(host,
                        {PadMemoryHost::MemPiezo, "Piezo", "picPiezoStage", &g_LangFrmStage.TxtPiezoStage,
                         {{PadMemoryHost::AxisPiezo, &g_MemPiezo}}, {DeviceIndex::PiezoZ}, false, false, kWidthTwips},
                        icons, parent)
    {
    }

    using MemoryListCtl::sub_SetLanguage;

    static constexpr int kWidthTwips = 2415;
};

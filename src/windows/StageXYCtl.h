#pragma once

#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "sdk/DeviceIndex.h"
#include "windows/MemoryListCtl.h"

// The stage window's column of the XY memories: an entry holds an X and a Y
// position, and a move drives both axes.
class StageXYCtl : public MemoryListCtl {
public:
    StageXYCtl(PadMemoryHost& host, SvgIconRegistry& icons, QWidget* parent = nullptr)
        : MemoryListCtl(host,
                        {PadMemoryHost::MemXY, "XY", "picXYStage", &g_LangFrmStage.TxtXYStage,
                         {{PadMemoryHost::AxisX, &g_MemX}, {PadMemoryHost::AxisY, &g_MemY}},
                         {DeviceIndex::XAxis, DeviceIndex::YAxis}, true, false, kWidthTwips},
                        icons, parent)
    {
    }

    static constexpr int kWidthTwips = 4215;
};

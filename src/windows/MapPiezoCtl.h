#pragma once

#include "windows/MapCtl.h"
#include "windows/StagePiezoCtl.h"

// The map of the piezo Z stage: a vertical bar.
class MapPiezoCtl : public MapCtl {
public:
    MapPiezoCtl(PadMemoryHost& host, SvgIconRegistry& icons, QWidget* parent = nullptr)
        : MapCtl(host, {"Piezo", {PadMemoryHost::AxisPiezo}, {"picPiezoPos"}, StagePiezoCtl::kWidthTwips}, icons, parent)
    {
    }

    int32_t Position() const { return PositionOf(0); }
    void SetPosition(int32_t piezo) { SetPositionOf(0, piezo); }
    void sub_SetPositionG(int32_t piezo) { SetTarget({piezo}); }
};

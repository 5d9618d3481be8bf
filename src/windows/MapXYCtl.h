#pragma once

#include "windows/MapCtl.h"
#include "windows/StageXYCtl.h"

// The map of the XY stage: a square field, X across and Y upwards.
class MapXYCtl : public MapCtl {
public:
    MapXYCtl(PadMemoryHost& host, SvgIconRegistry& icons, QWidget* parent = nullptr)
        : MapCtl(host, {"XY", {PadMemoryHost::AxisX, PadMemoryHost::AxisY}, {"picXPos", "picYPos"}, StageXYCtl::kWidthTwips},
                 icons, parent)
    {
    }

    int32_t XPosition() const { return PositionOf(0); }
    void SetXPosition(int32_t x) { SetPositionOf(0, x); }
    int32_t YPosition() const { return PositionOf(1); }
    void SetYPosition(int32_t y) { SetPositionOf(1, y); }
    void sub_SetPositionG(int32_t x, int32_t y) { SetTarget({x, y}); }
};

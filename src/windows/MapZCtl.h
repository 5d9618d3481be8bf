#pragma once

#include "windows/MapCtl.h"
#include "windows/StageZCtl.h"

// The map of the Z drive: a vertical bar.
class MapZCtl : public MapCtl {
public:
    MapZCtl(PadMemoryHost& host, SvgIconRegistry& icons, QWidget* parent = nullptr)
        : MapCtl(host, {"Z", {PadMemoryHost::AxisZ}, {"picZPos"}, StageZCtl::kWidthTwips}, icons, parent)
    {
    }

    int32_t Position() const { return PositionOf(0); }
    void SetPosition(int32_t z) { SetPositionOf(0, z); }
    void sub_SetPositionG(int32_t z) { SetTarget({z}); }
    using MapCtl::sub_SetLanguage;
};

#pragma once

#include "model/clsPositionCodes.h"

// The barrier filters on the eight positions of the barrier wheel.
class clsBAFilter : public clsPositionCodes {
public:
    static constexpr int Positions = 8;

    clsBAFilter();
    // Number of built-in models in the SDK database.
    using clsPositionCodes::DatabasePresetCount;
};

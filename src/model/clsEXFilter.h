#pragma once

#include "model/clsPositionCodes.h"

// The excitation filters on the eight positions of the excitation wheel.
class clsEXFilter : public clsPositionCodes {
public:
    static constexpr int Positions = 8;

    clsEXFilter();
    // Number of built-in models in the SDK database.
    using clsPositionCodes::DatabasePresetCount;
};

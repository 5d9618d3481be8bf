#pragma once

#include "model/clsPositionCodes.h"

// The condenser elements on the five condenser positions.
class clsCondenser : public clsPositionCodes {
public:
    static constexpr int Positions = 5;

    clsCondenser();
    // Number of built-in models in the SDK database.
    using clsPositionCodes::DatabasePresetCount;
};

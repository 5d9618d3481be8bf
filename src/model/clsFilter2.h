#pragma once

#include "model/clsPositionCodes.h"

// The filter blocks on the six positions of filter turret 2.
class clsFilter2 : public clsPositionCodes {
public:
    static constexpr int Positions = 6;

    clsFilter2();
};

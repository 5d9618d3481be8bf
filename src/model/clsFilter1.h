#pragma once

#include "model/clsPositionCodes.h"

// The filter blocks on the six positions of filter turret 1.
class clsFilter1 : public clsPositionCodes {
public:
    static constexpr int Positions = 6;

    clsFilter1();
};

#pragma once

#include "model/clsPositionCodes.h"

// The objectives on the six nosepiece positions: model code and escape flag
// per position (the nosepiece lowers the focus before moving to or from a
// position whose flag is set; the flags only count with the Z drive).
class clsObjective : public clsPositionCodes {
public:
    static constexpr int Positions = 6;

    clsObjective();
    using clsPositionCodes::Esc;
    using clsPositionCodes::SetEsc;
};

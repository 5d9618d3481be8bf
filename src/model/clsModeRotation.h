#pragma once

#include "model/clsNosepieceMode.h"

// The nosepiece's rotation stopper: 1 on, 0 off.
class clsModeRotation : public clsNosepieceMode {
public:
    clsModeRotation();
    int32_t IsRotationOn() const { return Value(); }
    void SetIsRotationOn(int32_t value) { SetValue(value); }
};

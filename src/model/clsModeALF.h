#pragma once

#include "model/clsNosepieceMode.h"

// The nosepiece's ALF mode: 1 on, 0 off.
class clsModeALF : public clsNosepieceMode {
public:
    clsModeALF();
    int32_t IsALFOn() const { return Value(); }
    void SetIsALFOn(int32_t value) { SetValue(value); }
};

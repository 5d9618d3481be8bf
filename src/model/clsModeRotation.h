#pragma once

#include "model/clsComponent.h"

class clsModeRotation : public clsComponent {
public:
    // Set by clsZo around its write so the SDK's reports of that write do not re-read the mode.
    bool Busy = false;
};

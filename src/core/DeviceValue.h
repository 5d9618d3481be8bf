#pragma once

#include <cstdint>

// A display value turned into the device value the SDK takes: display /
// factor, rounded to the nearest whole unit (halves to even, as a Long
// conversion does), held inside the 32-bit range. A factor of 0 gives 0.
int32_t func_DeviceValue(double display, double factor);

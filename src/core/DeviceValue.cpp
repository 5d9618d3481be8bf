#include "core/DeviceValue.h"

#include <cmath>
#include <limits>

int32_t func_DeviceValue(double display, double factor)
{
    if (factor == 0.0 || !std::isfinite(display) || !std::isfinite(factor))
        return 0;
    const double value = std::nearbyint(display / factor); // the default rounding mode: halves to even
    constexpr double low = std::numeric_limits<int32_t>::min();
    constexpr double high = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value < low ? low : value > high ? high : value);
}

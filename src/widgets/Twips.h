#pragma once

#include <cmath>

// Window coordinates are designed in twips; on screen one logical pixel is 15
// twips (96 dpi), and Qt scales logical pixels for high-density screens.
namespace Twips {

inline constexpr int kPerPixel = 15;

inline int ToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / kPerPixel));
}

inline constexpr int ToTwips(int pixels)
{
    return pixels * kPerPixel;
}

} // namespace Twips

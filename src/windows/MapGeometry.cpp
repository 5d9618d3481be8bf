#include "windows/MapGeometry.h"

#include <algorithm>
#include <cmath>

namespace MapGeometry {

namespace {

// The length of the shown part in device units, as a whole number (a range
// shorter than one unit counts as one, so nothing divides by zero).
double ShownSpan(const View& view)
{
    const double range = static_cast<double>(view.Upper) - view.Lower;
    return std::max(1.0, std::nearbyint(range / std::max(1, view.Magnification)));
}

} // namespace

Place func_Place(int32_t position, const View& view)
{
    if (position < view.Lower)
        return {Place::Below, 0.0};
    if (position > view.Upper)
        return {Place::Above, 1.0};
    const double span = ShownSpan(view);
    double offset = static_cast<double>(position) - view.Lower;
    if (view.Level > 0) {
        const double distance = static_cast<double>(position) - view.Centre;
        if (std::abs(distance) > span / 2)
            return distance <= 0 ? Place{Place::Below, 0.0} : Place{Place::Above, 1.0};
        offset = distance + span / 2;
    }
    const double fraction = offset / span;
    // A level-0 magnification above 1 shows only the low part of the range.
    if (fraction > 1.0)
        return {Place::Above, 1.0};
    return {Place::Inside, fraction};
}

int func_PointTop(const Place& place)
{
    switch (place.At) {
    case Place::Below:
        return kVerticalLowEdge;
    case Place::Above:
        return kVerticalHighEdge;
    case Place::Inside:
        break;
    }
    return static_cast<int>(std::lround(kSpan - place.Fraction * kSpan + kMargin));
}

int func_PointLeft(const Place& place)
{
    switch (place.At) {
    case Place::Below:
        return kHorizontalLowEdge;
    case Place::Above:
        return kHorizontalHighEdge;
    case Place::Inside:
        break;
    }
    return static_cast<int>(std::lround(place.Fraction * kSpan + kMargin));
}

std::array<double, 2> func_ShownRange(const View& view)
{
    if (view.Level == 0)
        return {static_cast<double>(view.Lower), view.Lower + ShownSpan(view)};
    const double half = ShownSpan(view) / 2;
    return {view.Centre - half, view.Centre + half};
}

int func_Magnification(const std::array<int16_t, kLevels>& magnifications, int level)
{
    const int value = magnifications[static_cast<std::size_t>(std::clamp(level, 0, kLevels - 1))];
    return value <= 0 ? 1 : value;
}

int func_ZoomIn(int level)
{
    return std::min(level + 1, kLevels - 1);
}

int func_ZoomOut(int level)
{
    return std::max(level - 1, 0);
}

} // namespace MapGeometry

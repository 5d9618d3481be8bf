#pragma once

#include <array>
#include <cstdint>

// Where the position maps draw a point, in twips inside a map's drawing area.
// The drawing span is 2120 twips with a margin of 100 before it; a position
// outside the part of the axis that the map shows sits at an edge. Vertical
// axes (Z, piezo, Y) draw higher positions higher.
namespace MapGeometry {

inline constexpr int kSpan = 2120;
inline constexpr int kMargin = 100;
inline constexpr int kVerticalLowEdge = 2350;   // top of a point below the shown part
inline constexpr int kVerticalHighEdge = 0;     // top of a point above it
inline constexpr int kHorizontalLowEdge = 0;    // left of a point below it
inline constexpr int kHorizontalHighEdge = 2320; // left of a point above it
inline constexpr int kLevels = 10;               // zoom levels 0..9, shown as 1..10

// The part of an axis a map shows: the axis's limits at zoom level 0, or the
// limits' range / magnification around the zoom centre.
struct View {
    int32_t Lower = 0;
    int32_t Upper = 0;
    int Magnification = 1;
    int Level = 0;
    int32_t Centre = 0;
};

// A position relative to the shown part.
struct Place {
    enum Where { Below, Inside, Above } At = Inside;
    double Fraction = 0.0; // 0 at the shown part's low end, 1 at its high end
};

Place func_Place(int32_t position, const View& view);
int func_PointTop(const Place& place);
int func_PointLeft(const Place& place);

// The device positions at the two ends of the shown part.
std::array<double, 2> func_ShownRange(const View& view);

// The magnification of a zoom level from the settings' list; 0 counts as 1.
int func_Magnification(const std::array<int16_t, kLevels>& magnifications, int level);
// The zoom level one step in or out, kept within 0..9.
int func_ZoomIn(int level);
int func_ZoomOut(int level);

} // namespace MapGeometry

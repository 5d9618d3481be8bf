// Where the position maps draw a point: the edges outside the shown part,
// the middle of the range at zoom level 0, the zoom centre's window, and the
// zoom level's bounds.

#include "windows/MapGeometry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zotest {
namespace {

using namespace MapGeometry;

TEST(MapGeometry, PointsFallOnTheSpanOrAtTheEdgeOfTheShownPart)
{
    const View whole{0, 21200, 1, 0, 0};
    const View zoomed{0, 30000, 3, 1, 5000}; // 10000 units around 5000
    const View offset{-570000, 570000, 1, 0, 0};
    struct Case {
        int32_t position;
        View view;
        int top;
        int left;
    };
    const Case cases[] = {
        {-1, whole, kVerticalLowEdge, kHorizontalLowEdge},  // below the lower limit
        {21201, whole, kVerticalHighEdge, kHorizontalHighEdge},
        {10600, whole, 1160, 1160},                          // level 0: the middle of the range
        {0, whole, 2220, 100},
        {21200, whole, 100, 2220},
        {20001, zoomed, kVerticalHighEdge, kHorizontalHighEdge}, // beyond the zoomed window
        {-1, zoomed, kVerticalLowEdge, kHorizontalLowEdge},
        {0, zoomed, 2220, 100},                              // exactly half a window below the centre
        {5000, zoomed, 1160, 1160},
        {10001, zoomed, kVerticalHighEdge, kHorizontalHighEdge},
        {0, offset, 1160, 1160},                             // a range around 0 has its middle at 0
    };
    for (const Case& c : cases) {
        const Place place = func_Place(c.position, c.view);
        EXPECT_EQ(std::tuple(func_PointTop(place), func_PointLeft(place)), std::tuple(c.top, c.left))
            << c.position << " at level " << c.view.Level;
    }
}

TEST(MapGeometry, ZoomStaysWithinItsTenLevelsAndAMagnificationOf0CountsAs1)
{
    EXPECT_EQ(std::tuple(func_ZoomIn(8), func_ZoomIn(9), func_ZoomOut(1), func_ZoomOut(0)), std::tuple(9, 9, 0, 0));
    const std::array<int16_t, kLevels> magnifications{0, 3, 6, 12, 25, 50, 100, 200, 400, 800};
    EXPECT_EQ(std::tuple(func_Magnification(magnifications, 0), func_Magnification(magnifications, 9)),
              std::tuple(1, 800));
    // The scale shows the window around the centre, or the range from its low end.
    EXPECT_EQ((std::tuple{func_ShownRange({0, 30000, 3, 1, 5000}), func_ShownRange({-100, 100, 1, 0, 50})}),
              (std::tuple{std::array<double, 2>{0, 10000}, std::array<double, 2>{-100, 100}}));
}

} // namespace
} // namespace zotest

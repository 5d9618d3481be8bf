#include "pad/LayoutCompactor.h"

#include <gtest/gtest.h>

// The compactor on made-up shapes the tables do not have; the rules it shares
// with the tables are checked on the layouts themselves (LayoutGapTest).

namespace {

using Item = LayoutCompactor::Item;
using Block = LayoutCompactor::Block;

Item Shown(int left, int top, int width, int height)
{
    const TwipRect rect{left, top, width, height};
    return {rect, true, rect};
}

TEST(LayoutCompactorTest, ControlsCoveringEachOtherKeepTheirOffsets)
{
    // A picture and a box drawn over it, then a control behind a hidden one.
    std::vector<Item> items = {Shown(100, 0, 800, 800), Shown(300, 200, 200, 200), Shown(1000, 0, 400, 400),
                               Shown(1500, 0, 400, 400)};
    items[2].Visible = false;
    const std::vector<int> all = {0, 1, 2, 3};
    LayoutCompactor::Compact(items, all);
    EXPECT_EQ(std::tuple(items[0].Placed, items[1].Placed, items[3].Placed.Left), std::tuple(items[0].Table, items[1].Table, 1000));

    // Without the picture the box comes to the picture's left edge, and the
    // rest follows with the design's gap.
    items[0].Visible = false;
    LayoutCompactor::Compact(items, all);
    EXPECT_EQ(std::tuple(items[1].Placed, items[3].Placed.Left), std::tuple(TwipRect{100, 200, 200, 200}, 300 + 100));
}

TEST(LayoutCompactorTest, ABlockFollowsTheNearestEdgeOfEverythingBeforeIt)
{
    // A framed block at the top left, a block below it, and a block right of
    // both.
    std::vector<Item> items = {Shown(200, 300, 1000, 400), Shown(200, 780, 600, 400), // frame 100..1300 x 0..1300
                               Shown(100, 1400, 1200, 400), Shown(1500, 100, 500, 400)};
    const std::vector<Block> blocks = {Block{{0, 1}, TwipRect{100, 0, 1200, 1300}, {}, {}},
                                       Block{{2}, std::nullopt, {0}, {}}, Block{{3}, std::nullopt, {}, {0, 1}}};
    // Narrowing the frame's content lets the right-hand block in, but not
    // past the block below the frame, which it also follows.
    items[0].Visible = false;
    LayoutCompactor::Arrange(items, blocks);
    EXPECT_EQ(items[3].Placed.Left, 1500) << "still right of the block below the frame";
    items[2].Visible = false;
    LayoutCompactor::Arrange(items, blocks);
    EXPECT_EQ(items[3].Placed.Left, 900 + 200);
}

} // namespace

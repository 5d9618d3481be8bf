#include "pad/LayoutCompactor.h"

#include <gtest/gtest.h>

namespace {

using Item = LayoutCompactor::Item;
using Block = LayoutCompactor::Block;

Item Shown(int left, int top, int width, int height)
{
    const TwipRect rect{left, top, width, height};
    return {rect, true, rect};
}

Item Hidden(int left, int top, int width, int height)
{
    const TwipRect rect{left, top, width, height};
    return {rect, false, rect};
}

std::vector<int> All(const std::vector<Item>& items)
{
    std::vector<int> indexes;
    for (size_t i = 0; i < items.size(); ++i)
        indexes.push_back(static_cast<int>(i));
    return indexes;
}

TEST(LayoutCompactorTest, AHiddenControlsPlaceGoesToTheNextOneInItsLine)
{
    // Two lines; in the first the middle control is hidden.
    std::vector<Item> items = {Shown(100, 0, 500, 400), Hidden(630, 0, 500, 400), Shown(1160, 0, 500, 400),
                               Shown(100, 480, 500, 400), Shown(630, 480, 500, 400)};
    const auto bounds = LayoutCompactor::Compact(items, All(items));
    EXPECT_EQ(items[2].Placed, (TwipRect{630, 0, 500, 400}));
    EXPECT_TRUE(items[3].Placed == items[3].Table && items[4].Placed == items[4].Table) << "the other line moved";
    EXPECT_EQ(bounds, (TwipRect{100, 0, 1030, 880}));
}

TEST(LayoutCompactorTest, AnEmptyLineGivesUpItsPitch)
{
    std::vector<Item> items = {Shown(100, 0, 500, 400), Hidden(100, 480, 500, 400), Hidden(700, 560, 500, 320),
                               Shown(100, 960, 500, 400), Shown(700, 1040, 300, 320)};
    LayoutCompactor::Compact(items, All(items));
    // The second control's line moves as one.
    EXPECT_EQ(std::tuple(items[3].Placed.Top, items[4].Placed.Top, items[4].Placed.Left), std::tuple(480, 560, 700));
}

TEST(LayoutCompactorTest, ControlsCoveringEachOtherKeepTheirOffsets)
{
    // A picture and a box drawn over it, then a control behind a hidden one.
    std::vector<Item> items = {Shown(100, 0, 800, 800), Shown(300, 200, 200, 200), Hidden(1000, 0, 400, 400),
                               Shown(1500, 0, 400, 400)};
    LayoutCompactor::Compact(items, All(items));
    EXPECT_TRUE(items[0].Placed == items[0].Table && items[1].Placed == items[1].Table);
    EXPECT_EQ(items[3].Placed.Left, 1000);

    // Without the picture the box comes to the picture's left edge, and the
    // rest follows with the design's gap.
    items[0].Visible = false;
    LayoutCompactor::Compact(items, All(items));
    EXPECT_EQ(items[1].Placed, (TwipRect{100, 200, 200, 200}));
    EXPECT_EQ(items[3].Placed.Left, 300 + 100);
}

class LayoutBlocksTest : public ::testing::Test {
protected:
    // A framed block at the top left, a block below it, and two blocks right
    // of both that were aligned with each other in the design.
    void SetUp() override
    {
        items = {Shown(200, 300, 1000, 400), Shown(200, 780, 600, 400), // framed: frame 100..1300 x 0..1300
                 Shown(100, 1400, 1200, 400),                            // below the frame
                 Shown(1500, 100, 500, 400), Shown(1600, 600, 500, 400)}; // right of it
        blocks = {Block{{0, 1}, TwipRect{100, 0, 1200, 1300}, {}, {}},
                  Block{{2}, std::nullopt, {0}, {}},
                  Block{{3}, std::nullopt, {}, {0, 1}},
                  Block{{4}, std::nullopt, {}, {0, 1}}};
    }

    std::vector<Item> items;
    std::vector<Block> blocks;
};

TEST_F(LayoutBlocksTest, AFrameShrinksAroundWhatIsLeftAndItsFollowersMoveUp)
{
    items[0].Visible = false;
    const auto frames = LayoutCompactor::Arrange(items, blocks);
    // The second line moves up to the first; the frame keeps its margins
    // (100 left, 300 top, 100 right, 120 bottom).
    EXPECT_EQ(items[1].Placed, (TwipRect{200, 300, 600, 400}));
    EXPECT_EQ(frames[0], (TwipRect{100, 0, 800, 820}));
    EXPECT_EQ(items[2].Placed.Top, 820 + 100);
}

TEST_F(LayoutBlocksTest, BlocksRightOfAnEmptyOneComeLeftTogether)
{
    items[0].Visible = false;
    items[1].Visible = false;
    items[2].Visible = false;
    const auto frames = LayoutCompactor::Arrange(items, blocks);
    EXPECT_EQ(std::tuple(frames[0]->Width, frames[0]->Height), std::tuple(0, 0));
    // The nearer one takes the empty block's place; the other keeps its 100
    // twips to the right of it; the whole starts where the design starts.
    EXPECT_EQ(std::tuple(items[3].Placed.Left, items[3].Placed.Top, items[4].Placed.Left, items[4].Placed.Top),
              std::tuple(100, 0, 200, 500));
}

TEST_F(LayoutBlocksTest, ABlockFollowsTheNearestEdgeOfEverythingBeforeIt)
{
    // Narrowing the frame's content lets the right-hand blocks in, but not
    // past the block below the frame, which they also follow.
    blocks[2].RightOf = {0, 1};
    items[0].Visible = false;
    LayoutCompactor::Arrange(items, blocks);
    EXPECT_EQ(items[3].Placed.Left, 1500) << "still right of the block below the frame";
    items[2].Visible = false;
    LayoutCompactor::Arrange(items, blocks);
    EXPECT_EQ(items[3].Placed.Left, 900 + 200);
}

} // namespace

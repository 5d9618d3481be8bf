#include "pad/LayoutTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

class LayoutTablesTest : public ::testing::Test {
protected:
    void SetUp() override { sub_FillLayoutTables(); }

    static const std::array<std::string, 4>& Row(int layout, int row)
    {
        return LayoutTable[static_cast<size_t>(layout)][static_cast<size_t>(row)];
    }
};

// Every data line reads (names and numbers where they belong); the values
// themselves are the data file's, and the layout tests hold the engine to them.
TEST_F(LayoutTablesTest, EveryLayoutListsTheSame68ControlsAndNothingElse)
{
    EXPECT_TRUE(LayoutDataProblems().empty()) << LayoutDataProblems().front();
    std::multiset<std::string> reference;
    for (int row = 1; row <= kLayoutRows; ++row)
        reference.insert(Row(1, row)[kLayoutName]);
    EXPECT_EQ(std::set<std::string>(reference.begin(), reference.end()).size(), 68u) << "a name repeats";

    for (int layout = kLayoutFirst; layout <= kLayoutLast; ++layout) {
        SCOPED_TRACE(layout);
        std::multiset<std::string> names;
        for (int row = 1; row <= kLayoutRows; ++row)
            names.insert(Row(layout, row)[kLayoutName]);
        EXPECT_EQ(names, reference);
        for (int row : {0, 69, 70, 71})
            EXPECT_TRUE(Row(layout, row)[kLayoutName].empty()) << "row " << row;
    }
    for (int row = 0; row < kLayoutRowSlots; ++row)
        EXPECT_TRUE(Row(0, row)[kLayoutName].empty());
}

TEST_F(LayoutTablesTest, FrameTableHoldsTheGroupedLayoutsFramesOnly)
{
    const std::array<std::string, 4> names = {"", "fraTIRF", "fraDIA", "fraFluorescence"};
    for (int layout = 0; layout <= kLayoutLast; ++layout)
        for (size_t frame = 0; frame <= 3; ++frame) {
            const bool used = layout % 2 == 0 && layout > 0 && frame > 0;
            EXPECT_EQ(FrameTable[static_cast<size_t>(layout)][frame][kFrameName], used ? names[frame] : "")
                << layout << "/" << frame;
        }
}

// Every row of a layout that gets closed up belongs to exactly one block,
// frames only as the frame of their own block, and only grouped layouts
// have framed blocks.
TEST_F(LayoutTablesTest, BlocksCoverEveryPositionedRowOnce)
{
    for (int layout : {0, 1, 9})
        EXPECT_TRUE(LayoutBlocks(layout).empty()) << layout;
    for (int layout = 2; layout <= kLayoutLast; ++layout) {
        SCOPED_TRACE(layout);
        const bool grouped = layout % 2 == 0;
        std::vector<int> seen(kLayoutRows + 1, 0);
        std::set<std::string> frames;
        const auto& blocks = LayoutBlocks(layout);
        ASSERT_FALSE(blocks.empty());
        for (size_t b = 0; b < blocks.size(); ++b) {
            for (int row : blocks[b].Rows)
                ++seen[static_cast<size_t>(row)];
            for (const auto* links : {&blocks[b].Below, &blocks[b].RightOf})
                for (int earlier : *links)
                    EXPECT_LT(earlier, static_cast<int>(b)) << blocks[b].Name;
            if (!blocks[b].Frame.empty()) {
                EXPECT_TRUE(grouped) << blocks[b].Name;
                frames.insert(blocks[b].Frame);
            }
        }
        for (int row = 1; row <= kLayoutRows; ++row) {
            const bool frame = Row(layout, row)[kLayoutName].starts_with("fra");
            EXPECT_EQ(seen[static_cast<size_t>(row)], frame ? 0 : 1) << Row(layout, row)[kLayoutName];
        }
        const std::set<std::string> framed =
            grouped ? std::set<std::string>{"fraDIA", "fraFluorescence", "fraTIRF"} : std::set<std::string>{};
        EXPECT_EQ(frames, framed);
    }
}

} // namespace

#include "pad/LayoutTables.h"

#include <gtest/gtest.h>

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

// Every data line reads; the names and numbers themselves are held to the
// engine and the pad by the layout tests.
TEST_F(LayoutTablesTest, EveryDataLineReads)
{
    EXPECT_TRUE(LayoutDataProblems().empty()) << LayoutDataProblems().front();
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

#include "pad/LayoutTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

class LayoutTablesTest : public ::testing::Test {
protected:
    void SetUp() override { sub_FillLayoutTables(); }

    static const std::array<std::string, 4>& Row(int layout, int row)
    {
        return LayoutTable[static_cast<size_t>(layout)][static_cast<size_t>(row)];
    }

    static bool IsNumber(const std::string& text)
    {
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return !text.empty() && error == std::errc() && end == text.data() + text.size();
    }
};

TEST_F(LayoutTablesTest, CompiledInDataReadsWithoutProblems)
{
    EXPECT_TRUE(LayoutDataProblems().empty()) << LayoutDataProblems().front();
    EXPECT_FALSE(LayoutTablesText().empty());
}

TEST_F(LayoutTablesTest, EveryLayoutListsTheSame68ControlsWithNumbersAndNothingElse)
{
    std::multiset<std::string> reference;
    for (int row = 1; row <= kLayoutRows; ++row)
        reference.insert(Row(1, row)[kLayoutName]);
    EXPECT_EQ(std::set<std::string>(reference.begin(), reference.end()).size(), 68u) << "a name repeats";

    for (int layout = kLayoutFirst; layout <= kLayoutLast; ++layout) {
        SCOPED_TRACE(layout);
        std::multiset<std::string> names;
        for (int row = 1; row <= kLayoutRows; ++row) {
            names.insert(Row(layout, row)[kLayoutName]);
            for (int field : {kLayoutLeft, kLayoutBottom, kLayoutWidth})
                EXPECT_TRUE(IsNumber(Row(layout, row)[static_cast<size_t>(field)])) << "row " << row;
        }
        EXPECT_EQ(names, reference);
        for (int row : {0, 69, 70, 71})
            EXPECT_TRUE(Row(layout, row)[kLayoutName].empty()) << "row " << row;
    }
    for (int row = 0; row < kLayoutRowSlots; ++row)
        EXPECT_TRUE(Row(0, row)[kLayoutName].empty());
}

TEST_F(LayoutTablesTest, RowsHoldTheDesignValues)
{
    using Expected = std::tuple<int, int, std::string, std::string, std::string, std::string>;
    const std::vector<Expected> samples = {
        {1, 1, "txtX", "840", "555", "1500"},           {1, 47, "spnStageXY", "775", "3990", "450"},
        {1, 68, "fraDIA", "10140", "6000", "3000"},     {2, 1, "picTittle", "390", "690", "540"},
        {2, 33, "fraTIRF", "270", "7395", "7275"},      {2, 66, "cboIrlux", "9240", "6285", "1185"},
        {3, 13, "cboOBJ", "120", "1770", "3195"},       {3, 44, "picStageXY", "2745", "3990", "600"},
        {4, 38, "fraDIA", "120", "7065", "3225"},       {4, 61, "chkLaser", "5865", "5655", "600"},
        {5, 21, "txtPiezo", "8415", "1215", "1650"},    {5, 68, "fraTIRF", "13500", "11220", "7275"},
        {6, 55, "fraFluorescence", "10380", "1395", "6840"}, {6, 64, "cboBA", "13545", "1335", "1695"},
        {7, 41, "picTIRFAngle", "2760", "8385", "600"}, {7, 65, "picExit", "1995", "13260", "1095"},
        {8, 32, "cboCHGMode", "750", "6300", "1955"},   {8, 68, "picExit", "2415", "14250", "1095"},
    };
    for (const auto& [layout, row, name, left, bottom, width] : samples) {
        SCOPED_TRACE(testing::Message() << "layout " << layout << " row " << row);
        EXPECT_EQ(Row(layout, row), (std::array<std::string, 4>{name, left, bottom, width}));
    }
}

TEST_F(LayoutTablesTest, FrameTableHoldsTheGroupedLayoutsFramesOnly)
{
    // Left, top, width and height of fraTIRF, fraDIA and fraFluorescence per grouped layout.
    const std::map<int, std::string> expected = {
        {2, "270 5880 7275 1515 | 7785 840 2850 2055 | 7770 3030 2850 3375"},
        {4, "3420 3765 3210 2985 | 120 5685 3225 1380 | 3420 690 3210 3045"},
        {6, "9480 1335 6840 1395 | 3480 1800 6000 900 | 10380 0 6840 1395"},
        {8, "120 10785 3390 2985 | 120 6300 3390 1380 | 120 7710 3390 3045"}};
    for (const auto& [layout, frames] : expected) {
        std::string shown;
        for (size_t frame = 1; frame <= 3; ++frame) {
            const auto& row = FrameTable[static_cast<size_t>(layout)][frame];
            EXPECT_EQ(row[kFrameName], (std::array{"fraTIRF", "fraDIA", "fraFluorescence"}[frame - 1])) << layout;
            shown += (frame > 1 ? " | " : "") + row[kFrameLeft] + " " + row[kFrameTop] + " " + row[kFrameWidth] + " " +
                     row[kFrameHeight];
        }
        EXPECT_EQ(shown, frames) << "layout " << layout;
    }
    for (int layout : {0, 1, 3, 5, 7})
        for (size_t frame = 0; frame <= 3; ++frame)
            EXPECT_TRUE(FrameTable[static_cast<size_t>(layout)][frame][kFrameName].empty());
}

TEST_F(LayoutTablesTest, FillingAgainRepairsTheTables)
{
    LayoutTable[3][13][kLayoutLeft] = "9999";
    FrameTable[6][2] = {};
    sub_FillLayoutTables();
    EXPECT_EQ(Row(3, 13)[kLayoutLeft], "120");
    EXPECT_EQ(FrameTable[6][2][kFrameName], "fraDIA");
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

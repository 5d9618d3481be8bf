#include "LayoutFakePad.h"

#include <gtest/gtest.h>

#include <functional>

using layouttest::FakePad;
using layouttest::FakeSwitches;

namespace {

class LayoutEngineTest : public ::testing::Test {
protected:
    void SetUp() override { sub_FillLayoutTables(); }
    void TearDown() override { sub_FillLayoutTables(); }

    // Puts every row of the current layout where the table says.
    void PlaceAll() { engine.sub_PlaceRows(1, kLayoutRows, 0, 0, 1); }

    template <typename Get>
    std::vector<int> Of(const std::vector<std::string>& names, Get get)
    {
        std::vector<int> values;
        for (const auto& name : names)
            values.push_back(std::invoke(get, pad[name].Rect));
        return values;
    }
    std::vector<int> Lefts(const std::vector<std::string>& names) { return Of(names, &TwipRect::Left); }
    std::vector<int> Widths(const std::vector<std::string>& names) { return Of(names, &TwipRect::Width); }
    std::vector<int> Bottoms(const std::vector<std::string>& names) { return Of(names, &TwipRect::Bottom); }

    FakePad pad;
    FakeSwitches switches;
    LayoutEngine engine{pad, switches};
};

TEST_F(LayoutEngineTest, FindingWalksThePadsOrderAndTakesTheFirstMatch)
{
    pad.Controls.push_back({"picExit", {1, 2, 3, 4}, true});
    const int first = pad.Find("picExit");
    const auto found = [&] {
        return std::tuple(engine.func_FindControl("picExit"), engine.func_FindVisibleControl("picExit"));
    };
    EXPECT_EQ(found(), std::tuple(std::optional(first), std::optional(first)));
    // A hidden first match hides the name, even with a visible later one.
    pad.Controls[static_cast<size_t>(first)].Visible = false;
    EXPECT_EQ(found(), std::tuple(std::optional(first), std::optional<int>()));

    EXPECT_EQ(engine.func_FindControl("picNothing"), std::nullopt);

    // Unused table rows have no name and must not reach an unnamed widget.
    pad.Controls.push_back({"", {7, 7, 7, 7}, true});
    EXPECT_EQ(engine.func_FindControl(""), std::nullopt);
    engine.sub_PlaceRows(0, 0, 100, 100, 1);
    engine.sub_PlaceRows(69, 71, 100, 100, 0);
    EXPECT_EQ(pad.Controls.back().Rect, (TwipRect{7, 7, 7, 7}));
}

TEST_F(LayoutEngineTest, SetWidthsTakesTheTableWidthOfVisibleControlsAndCanSkipFrames)
{
    pad["cboOBJ"].Visible = false;
    // The first row without a width ends the run: picALF is row 9,
    // btnStageFKS row 11, after the gap.
    LayoutTable[1][10][kLayoutWidth].clear();
    engine.sub_SetWidths(1, kLayoutRows, 1);
    EXPECT_EQ(Widths({"picALF", "btnStageFKS", "cboPiezo"}), (std::vector<int>{600, 1000, 1000}));

    sub_FillLayoutTables();
    engine.sub_SetWidths(1, kLayoutRows, 1);
    // The hidden cboOBJ is not resized, the frames are skipped.
    EXPECT_EQ(Widths({"txtPiezo", "cboXY", "cboOBJ", "fraTIRF"}), (std::vector<int>{1650, 2595, 1000, 1000}));
    engine.sub_SetWidths(66, 68, 0);
    EXPECT_EQ(Widths({"fraTIRF", "fraDIA"}), (std::vector<int>{7275, 3000}));
}

// Lower edges and shifts are held on the layouts themselves (LayoutGapTest).
TEST_F(LayoutEngineTest, PlaceRowsLeavesHiddenControlsAlone)
{
    pad["picALF"].Visible = false;
    const TwipRect hiddenBefore = pad["picALF"].Rect;
    for (const int mode : {1, 0})
        engine.sub_PlaceRows(7, 9, 30, -20, mode);
    EXPECT_EQ(pad["picALF"].Rect, hiddenBefore);
}

TEST_F(LayoutEngineTest, RaiseCombosCountsEveryComboButMovesVisibleOnesFromTheGivenNumber)
{
    switches.Type = 8;
    PlaceAll();
    // Rows 1..27 of layout 8 hold cboOBJ (row 6) and cboPath (row 12).
    engine.sub_RaiseCombos(1, 27, 2);
    // Only combo boxes rise.
    EXPECT_EQ(Bottoms({"cboOBJ", "cboPath", "picPath"}), (std::vector<int>{1635, 2790 - 90, 2790}));

    PlaceAll();
    pad["cboOBJ"].Visible = false;
    engine.sub_RaiseCombos(1, 27, 2);
    EXPECT_EQ(pad["cboPath"].Rect.Bottom(), 2790 - 90) << "a hidden combo still counts";

    PlaceAll();
    engine.sub_RaiseCombos(1, 27, 3);
    EXPECT_EQ(pad["cboPath"].Rect.Bottom(), 2790);

    PlaceAll();
    pad["cboOBJ"].Visible = true;
    engine.sub_RaiseCombos(1, 68, 1);
    EXPECT_EQ(Bottoms({"cboOBJ", "cboIrlux"}), (std::vector<int>{1635 - 90, 10710 - 90}));
}

class PackRowTest : public LayoutEngineTest {
protected:
    void SetUp() override
    {
        LayoutEngineTest::SetUp();
        engine.sub_SetWidths(1, kLayoutRows, 1);
        PlaceAll();
    }
};

// sub_PackRow on layout 1, whose rows stand apart; layout 2 packs its
// left-hand rows to x = 120 (LayoutArrangementTest).
TEST_F(PackRowTest, ColumnsComeLeftKeepingTheirSpacingAndEmptyOnesGiveUpTheirRoom)
{
    struct Case {
        std::vector<std::string> Hidden;
        int First, Last, X;
        std::vector<std::string> Names;
        std::vector<int> Lefts;
    };
    // Rows 22..25: picEX 120, cboEX 750, picBA 2475, cboBA 3120. Rows 46..56:
    // the XY and Z stage lines, whose spin controls share Left 775.
    const std::vector<Case> cases = {
        {{}, 22, 25, 60, {"picEX", "cboEX", "picBA", "cboBA"}, {60, 690, 2415, 3060}},
        {{}, 1, kLayoutRows, 5000, {"picEX", "cboEX", "cboBA", "txtX"}, {120, 750, 3120, 840}}, // never right
        {{"cboEX"}, 22, 25, 120, {"picEX", "picBA", "cboBA"}, {120, 750, 750 + 3120 - 2475}},
        {{"picEX"}, 22, 25, 120, {"cboEX"}, {120}}, // an empty first column: the next comes to x
        {{"spnStageXY", "spnStageZ"}, 46, 56, 120, {"picMemXY", "picMemZ", "cboXY", "cboZ", "picStageXY"},
         {775, 775, 775 + 2190 - 1500, 775 + 2190 - 1500, 120}},
        {{"spnStageXY"}, 46, 56, 120, {"picMemXY"}, {1500}}, // one visible member keeps the column
    };
    for (size_t n = 0; n < cases.size(); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(testing::Message() << "case " << n);
        for (auto& control : pad.Controls)
            control.Visible = true;
        PlaceAll();
        for (const auto& name : c.Hidden)
            pad[name].Visible = false;
        const auto before = pad.Controls;
        engine.sub_PackRow(c.First, c.Last, c.X);
        EXPECT_EQ(Lefts(c.Names), c.Lefts);
        for (size_t i = 0; i < before.size(); ++i) {
            // Only Left changes, and only of visible controls.
            const TwipRect& was = before[i].Rect;
            const TwipRect& now = pad.Controls[i].Rect;
            EXPECT_EQ(std::tuple(now.Top, now.Width, now.Height), std::tuple(was.Top, was.Width, was.Height));
            EXPECT_TRUE(pad.Controls[i].Visible || now == was) << before[i].Name;
        }
    }

    // A control that already stands further left stays there.
    pad["cboEX"].Visible = false;
    pad["picBA"].Rect.Left = 500;
    engine.sub_PackRow(22, 25, 120);
    EXPECT_EQ(pad["picBA"].Rect.Left, 500);
}

class FitFormTest : public LayoutEngineTest {
protected:
    void SetUp() override
    {
        LayoutEngineTest::SetUp();
        engine.sub_SetWidths(1, kLayoutRows, 1);
        PlaceAll();
        for (auto& control : pad.Controls)
            control.Visible = control.Name == "picOBJ" || control.Name == "cboCON" || control.Name == "picExit";
    }
};

TEST_F(FitFormTest, SizesThePadAroundItsVisibleRows)
{
    // picOBJ 120..720 x 735..1215, cboCON 6060..7755 x 1470..1770; picExit
    // (row 65) lies outside the rows fitted.
    engine.sub_FitForm(1, 64);
    EXPECT_EQ(std::tuple(pad.Form.Width, pad.Form.Height), std::tuple(7755 + 135 + 120, 2 * 315 + 1770 + 135 + 735));
    EXPECT_EQ(pad.AlignedFor, std::vector<int>{1});
    // Layouts 7 and 8 leave a narrower right margin (picExit is row 65 there too).
    switches.Type = 7;
    engine.sub_FitForm(1, 64);
    EXPECT_EQ(std::tuple(pad.Form.Width, pad.Form.Height), std::tuple(7755 + 45 + 120, 2 * 315 + 1770 + 135 + 735));
}

TEST_F(FitFormTest, CentresAndRemembersOrReturnsToTheRememberedPlace)
{
    engine.sub_FitForm(1, 64);
    const TwipRect centred = pad.Form;
    EXPECT_EQ(std::tuple(centred.Left, centred.Top), std::tuple((28800 - centred.Width) / 2, (16200 - centred.Height) / 2));
    EXPECT_EQ(std::tuple(engine.RememberedLeft(), engine.RememberedTop(), engine.CentreFlag()),
              std::tuple(centred.Left, centred.Top, true)) << "fitting leaves the flag alone";

    engine.SetCentreFlag(false);
    pad.Form.Left = 5;
    pad["cboCON"].Visible = false; // the pad shrinks, but keeps its corner
    engine.sub_FitForm(1, 64);
    EXPECT_EQ(std::tuple(pad.Form.Left, pad.Form.Top), std::tuple(centred.Left, centred.Top));
    EXPECT_LT(pad.Form.Width, centred.Width);
}

TEST_F(LayoutEngineTest, ATypeOutOfRangeAppliesLayout1)
{
    switches.Type = 9;
    engine.sub_SetLayout();
    EXPECT_EQ(std::tuple(Lefts({"txtX", "fraDIA"}), pad.AlignedFor), std::tuple(std::vector{840, 10140}, std::vector{1}));
}

} // namespace

#include "LayoutFakePad.h"

#include <gtest/gtest.h>

using layouttest::FakePad;
using layouttest::FakeSwitches;

namespace {

class LayoutEngineTest : public ::testing::Test {
protected:
    void SetUp() override { sub_FillLayoutTables(); }
    void TearDown() override { sub_FillLayoutTables(); }

    // Puts every row of the current layout where the table says.
    void PlaceAll() { engine.sub_PlaceRows(1, kLayoutRows, 0, 0, 1); }

    FakePad pad;
    FakeSwitches switches;
    LayoutEngine engine{pad, switches};
};

TEST_F(LayoutEngineTest, FindingWalksThePadsOrderAndTakesTheFirstMatch)
{
    pad.Controls.push_back({"picExit", {1, 2, 3, 4}, true});
    const int first = pad.Find("picExit");
    EXPECT_EQ(engine.func_FindControl("picExit"), first);
    EXPECT_EQ(engine.func_FindVisibleControl("picExit"), first);

    // A hidden first match hides the name, even with a visible later one.
    pad.Controls[static_cast<size_t>(first)].Visible = false;
    EXPECT_EQ(engine.func_FindControl("picExit"), first);
    EXPECT_EQ(engine.func_FindVisibleControl("picExit"), std::nullopt);

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
    engine.sub_SetWidths(1, kLayoutRows, 1);
    EXPECT_EQ(pad["txtPiezo"].Rect.Width, 1650);
    EXPECT_EQ(pad["cboXY"].Rect.Width, 2595);
    EXPECT_EQ(pad["cboOBJ"].Rect.Width, 1000) << "hidden controls are not resized";
    EXPECT_EQ(pad["fraTIRF"].Rect.Width, 1000) << "frames skipped";

    engine.sub_SetWidths(66, 68, 0);
    EXPECT_EQ(pad["fraTIRF"].Rect.Width, 7275);
    EXPECT_EQ(pad["fraDIA"].Rect.Width, 3000);
}

TEST_F(LayoutEngineTest, SetWidthsStopsAtTheFirstRowWithoutWidth)
{
    LayoutTable[1][10][kLayoutWidth].clear();
    engine.sub_SetWidths(1, kLayoutRows, 1);
    EXPECT_EQ(pad["picALF"].Rect.Width, 600);        // row 9
    EXPECT_EQ(pad["btnStageFKS"].Rect.Width, 1000);  // row 11, after the gap
    EXPECT_EQ(pad["cboPiezo"].Rect.Width, 1000);
}

TEST_F(LayoutEngineTest, PlaceRowsAlignsLowerEdgesOrShifts)
{
    pad["picALF"].Visible = false;
    const TwipRect hiddenBefore = pad["picALF"].Rect;
    engine.sub_PlaceRows(7, 9, 30, -20, 1);
    // picOBJ (480 high) and cboOBJ (300 high) share the table's lower edge.
    EXPECT_EQ(pad["picOBJ"].Rect.Left, 120 - 20);
    EXPECT_EQ(pad["picOBJ"].Rect.Bottom(), 1215 + 30);
    EXPECT_EQ(pad["cboOBJ"].Rect.Left, 750 - 20);
    EXPECT_EQ(pad["cboOBJ"].Rect.Bottom(), 1215 + 30);
    EXPECT_EQ(pad["cboOBJ"].Rect.Height, 300);
    EXPECT_EQ(pad["picALF"].Rect, hiddenBefore);

    engine.sub_PlaceRows(7, 8, -100, 55, 0);
    EXPECT_EQ(pad["picOBJ"].Rect.Left, 100 + 55);
    EXPECT_EQ(pad["cboOBJ"].Rect.Top, 1245 - 300 - 100);
    EXPECT_EQ(pad["picALF"].Rect, hiddenBefore);
}

TEST_F(LayoutEngineTest, RaiseCombosCountsEveryComboButMovesVisibleOnesFromTheGivenNumber)
{
    switches.Type = 8;
    PlaceAll();
    // Rows 1..27 of layout 8 hold cboOBJ (row 6) and cboPath (row 12).
    engine.sub_RaiseCombos(1, 27, 2);
    EXPECT_EQ(pad["cboOBJ"].Rect.Bottom(), 1635);
    EXPECT_EQ(pad["cboPath"].Rect.Bottom(), 2790 - 90);
    EXPECT_EQ(pad["picPath"].Rect.Bottom(), 2790) << "only combo boxes rise";

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
    EXPECT_EQ(pad["cboOBJ"].Rect.Bottom(), 1635 - 90);
    EXPECT_EQ(pad["cboIrlux"].Rect.Bottom(), 10710 - 90);
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

// Layout 1 rows 22..25: picEX 120, cboEX 750, picBA 2475, cboBA 3120.
TEST_F(PackRowTest, BringsTheFirstColumnToXAndKeepsTheSpacing)
{
    engine.sub_PackRow(22, 25, 60);
    EXPECT_EQ(pad["picEX"].Rect.Left, 60);
    EXPECT_EQ(pad["cboEX"].Rect.Left, 690);
    EXPECT_EQ(pad["picBA"].Rect.Left, 2415);
    EXPECT_EQ(pad["cboBA"].Rect.Left, 3060);
    EXPECT_EQ(pad["cboBA"].Rect.Bottom(), 2325) << "only Left changes";
}

TEST_F(PackRowTest, NeverMovesRight)
{
    const auto before = pad.Controls;
    engine.sub_PackRow(1, kLayoutRows, 5000);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(pad.Controls[i].Rect, before[i].Rect) << before[i].Name;

    // A control that already stands further left stays there.
    pad["cboEX"].Visible = false;
    pad["picBA"].Rect.Left = 500;
    engine.sub_PackRow(22, 25, 120);
    EXPECT_EQ(pad["picBA"].Rect.Left, 500);
}

TEST_F(PackRowTest, AnEmptyColumnGivesItsRoomToTheColumnsRightOfIt)
{
    pad["cboEX"].Visible = false;
    const TwipRect hidden = pad["cboEX"].Rect;
    engine.sub_PackRow(22, 25, 120);
    EXPECT_EQ(pad["picEX"].Rect.Left, 120);
    EXPECT_EQ(pad["picBA"].Rect.Left, 750);
    EXPECT_EQ(pad["cboBA"].Rect.Left, 750 + 3120 - 2475);
    EXPECT_EQ(pad["cboEX"].Rect, hidden);

    // An empty first column: the next one comes to x.
    pad["cboEX"].Visible = true;
    pad["picEX"].Visible = false;
    PlaceAll();
    engine.sub_PackRow(22, 25, 120);
    EXPECT_EQ(pad["cboEX"].Rect.Left, 120);
}

TEST_F(PackRowTest, ControlsWithEqualLeftShareTheirColumn)
{
    // Rows 46..56: the XY and Z stage lines; the spin controls share Left 775.
    pad["spnStageXY"].Visible = false;
    pad["spnStageZ"].Visible = false;
    engine.sub_PackRow(46, 56, 120);
    EXPECT_EQ(pad["picMemXY"].Rect.Left, 775);
    EXPECT_EQ(pad["picMemZ"].Rect.Left, 775);
    EXPECT_EQ(pad["cboXY"].Rect.Left, 775 + 2190 - 1500);
    EXPECT_EQ(pad["cboZ"].Rect.Left, pad["cboXY"].Rect.Left);
    EXPECT_EQ(pad["picStageXY"].Rect.Left, 120);

    // One visible member keeps the column.
    pad["spnStageZ"].Visible = true;
    PlaceAll();
    engine.sub_PackRow(46, 56, 120);
    EXPECT_EQ(pad["picMemXY"].Rect.Left, 1500);
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
    EXPECT_EQ(pad.Form.Height, 2 * 315 + 1770 + 135 + 735);
    EXPECT_EQ(pad.Form.Width, 7755 + 135 + 120);
    EXPECT_EQ(pad.AlignedFor, std::vector<int>{1});

    // Layouts 7 and 8 leave a narrower right margin (picExit is row 65 there too).
    switches.Type = 7;
    engine.sub_FitForm(1, 64);
    EXPECT_EQ(pad.Form.Width, 7755 + 45 + 120);
    EXPECT_EQ(pad.Form.Height, 2 * 315 + 1770 + 135 + 735);
}

TEST_F(FitFormTest, CentresAndRemembersOrReturnsToTheRememberedPlace)
{
    engine.sub_FitForm(1, 64);
    const TwipRect centred = pad.Form;
    EXPECT_EQ(centred.Left, (28800 - centred.Width) / 2);
    EXPECT_EQ(centred.Top, (16200 - centred.Height) / 2);
    EXPECT_EQ(engine.RememberedLeft(), centred.Left);
    EXPECT_EQ(engine.RememberedTop(), centred.Top);
    EXPECT_TRUE(engine.CentreFlag()) << "fitting leaves the flag alone";

    engine.SetCentreFlag(false);
    pad.Form.Left = 5;
    pad["cboCON"].Visible = false; // the pad shrinks, but keeps its corner
    engine.sub_FitForm(1, 64);
    EXPECT_EQ(pad.Form.Left, centred.Left);
    EXPECT_EQ(pad.Form.Top, centred.Top);
    EXPECT_LT(pad.Form.Width, centred.Width);
}

TEST_F(FitFormTest, NothingVisibleGivesNoSize)
{
    pad["picOBJ"].Visible = false;
    pad["cboCON"].Visible = false;
    engine.sub_FitForm(1, 64);
    EXPECT_EQ(pad.Form.Width, 0);
    EXPECT_EQ(pad.Form.Height, 0);
    EXPECT_EQ(pad.Form.Left, 14400);
    EXPECT_EQ(pad.Form.Top, 8100);
}

TEST_F(LayoutEngineTest, ParkHiddenFramesMovesSwitchedOffFramesPastThePadsCorner)
{
    pad.Form = {1000, 2000, 9000, 6000};
    pad["fraTIRF"].Rect = {50, 60, 700, 800};
    pad["fraDIA"].Rect = {50, 60, 700, 800};
    pad["fraDIA"].Visible = false; // parking does not depend on it
    pad.Switches[64] = false;
    pad.Switches[65] = false;
    engine.sub_ParkHiddenFrames();
    EXPECT_EQ(pad["fraDIA"].Rect, (TwipRect{10000, 8000, 700, 800}));
    EXPECT_EQ(pad["fraFluorescence"].Rect.Left, 10000);
    EXPECT_EQ(pad["fraTIRF"].Rect, (TwipRect{50, 60, 700, 800}));
    EXPECT_FALSE(pad["fraDIA"].Visible);
    EXPECT_TRUE(pad["fraFluorescence"].Visible);
}

TEST_F(LayoutEngineTest, CheckLayoutChangeRunsOnlyWhenSwitchedOnAndPending)
{
    switches.Change = false;
    engine.sub_CheckLayoutChange();
    EXPECT_EQ(pad.Moves, 0);
    EXPECT_EQ(pad.Form, (TwipRect{-20000, -15000, 0, 0}));
    EXPECT_TRUE(switches.Pending);
    EXPECT_FALSE(pad.MicroscopePicture.has_value());

    switches.Change = true;
    switches.Type = 2;
    engine.sub_CheckLayoutChange();
    EXPECT_GT(pad.Moves, 0);
    EXPECT_FALSE(switches.Pending);
    EXPECT_EQ(pad.MicroscopePicture, true);

    const int moves = pad.Moves;
    switches.Type = 3;
    engine.sub_CheckLayoutChange();
    EXPECT_EQ(pad.Moves, moves) << "nothing pending";
}

TEST_F(LayoutEngineTest, ATypeOutOfRangeAppliesLayout1)
{
    switches.Type = 9;
    engine.sub_SetLayout();
    EXPECT_EQ(pad["txtX"].Rect.Left, 840);
    EXPECT_EQ(pad["fraDIA"].Rect.Left, 10140);
    EXPECT_EQ(pad.AlignedFor, std::vector<int>{1});
}

} // namespace

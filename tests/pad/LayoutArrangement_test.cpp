#include "LayoutFakePad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

using layouttest::FakePad;
using layouttest::ApplyLayout;
using layouttest::IsFrame;
using layouttest::IsTableControl;
using layouttest::Laid;

namespace {

int Overlap(const TwipRect& a, const TwipRect& b)
{
    const int dx = std::min(a.Right(), b.Right()) - std::max(a.Left, b.Left);
    const int dy = std::min(a.Bottom(), b.Bottom()) - std::max(a.Top, b.Top);
    return dx > 0 && dy > 0 ? std::min(dx, dy) : 0;
}

bool Inside(const TwipRect& inner, const TwipRect& outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

int TableInt(int layout, int row, LayoutField field)
{
    return std::stoi(LayoutTable[static_cast<size_t>(layout)][static_cast<size_t>(row)][field]);
}

const std::string& TableName(int layout, int row)
{
    return LayoutTable[static_cast<size_t>(layout)][static_cast<size_t>(row)][kLayoutName];
}

// The frame around each control of a grouped layout.
std::map<std::string, std::string> FrameOf(int layout)
{
    std::map<std::string, std::string> frameOf;
    for (const LayoutBlock& block : LayoutBlocks(layout))
        for (int row : block.Rows)
            if (!block.Frame.empty())
                frameOf[TableName(layout, row)] = block.Frame;
    return frameOf;
}

size_t FrameEntry(const std::string& frame)
{
    return frame == "fraDIA" ? 64 : frame == "fraFluorescence" ? 65 : 66;
}

// Hides the controls in a frame, as the pad does for a switched-off frame.
void SwitchFrameOff(FakePad& pad, int layout, const std::string& frame)
{
    pad.Switches[FrameEntry(frame)] = false;
    for (const auto& [name, owner] : FrameOf(layout))
        if (owner == frame)
            pad[name].Visible = false;
}

class LayoutArrangementTest : public ::testing::TestWithParam<int> {
protected:
    // The layout with every control shown: the design the others are held to.
    void SetUp() override
    {
        ApplyLayout(design, GetParam());
        const auto frameOf = FrameOf(GetParam());
        for (const auto& a : design.Controls)
            for (const auto& b : design.Controls)
                if (&a != &b && Compared(a, b, frameOf))
                    designOverlap = std::max(designOverlap, Overlap(a.Rect, b.Rect));
    }

    // Pairs of shown table controls that are not a frame and its content.
    static bool Compared(const FakePad::Control& a, const FakePad::Control& b,
                         const std::map<std::string, std::string>& frameOf)
    {
        const auto owns = [&frameOf](const std::string& frame, const std::string& name) {
            const auto owner = frameOf.find(name);
            return owner != frameOf.end() && owner->second == frame;
        };
        return a.Visible && b.Visible && IsTableControl(a.Name) && IsTableControl(b.Name) &&
               !(IsFrame(a.Name) && IsFrame(b.Name)) && !owns(a.Name, b.Name) && !owns(b.Name, a.Name);
    }

    // What every arrangement must keep: no control on another beyond what the
    // design itself allows, controls of one line keep their order from left
    // to right and controls of one column from top to bottom, framed controls
    // stay inside their frame, frames shrink but never grow, hidden controls
    // are not touched.
    void ExpectSound(const FakePad& pad, const std::vector<FakePad::Control>& before) const
    {
        const int layout = GetParam();
        const auto frameOf = FrameOf(layout);
        for (size_t i = 0; i < pad.Controls.size(); ++i) {
            const auto& a = pad.Controls[i];
            if (!a.Visible) {
                EXPECT_EQ(a.Rect, before[i].Rect) << a.Name << " is hidden but moved";
                continue;
            }
            const TwipRect& da = design.Controls[i].Rect;
            // Switched-off frames wait outside, frames around nothing have no size.
            const bool parked = IsFrame(a.Name) && !pad.Switches[FrameEntry(a.Name)];
            const bool empty = a.Rect.Width == 0 || a.Rect.Height == 0;
            const bool checked = !parked && !empty && !(IsFrame(a.Name) && layout % 2 == 1) && IsTableControl(a.Name);
            EXPECT_TRUE(!checked || (a.Rect.Right() <= pad.Form.Width && a.Rect.Bottom() <= pad.Form.Height))
                << a.Name << " sticks out of the pad";
            const bool shrinks = IsFrame(a.Name) && layout % 2 == 0 && pad.Switches[FrameEntry(a.Name)];
            EXPECT_TRUE(!shrinks || (a.Rect.Width <= da.Width && a.Rect.Height <= da.Height)) << a.Name << " grew";
            const auto owner = frameOf.find(a.Name);
            EXPECT_TRUE(owner == frameOf.end() || Inside(a.Rect, pad[owner->second].Rect)) << a.Name << " outside its frame";
            for (size_t j = i + 1; j < pad.Controls.size(); ++j) {
                const auto& b = pad.Controls[j];
                if (!Compared(a, b, frameOf))
                    continue;
                EXPECT_LE(Overlap(a.Rect, b.Rect), designOverlap) << a.Name << " on " << b.Name;
                if (IsFrame(a.Name) || IsFrame(b.Name))
                    continue;
                const TwipRect& db = design.Controls[j].Rect;
                // One line: they share more than half the lower one's height;
                // one column: more than half the narrower one's width.
                const bool oneLine = 2 * (std::min(da.Bottom(), db.Bottom()) - std::max(da.Top, db.Top)) >
                                     std::min(da.Height, db.Height);
                const bool oneColumn = 2 * (std::min(da.Right(), db.Right()) - std::max(da.Left, db.Left)) >
                                       std::min(da.Width, db.Width);
                EXPECT_TRUE(!oneLine || da.Left == db.Left || (da.Left < db.Left) == (a.Rect.Left < b.Rect.Left))
                    << a.Name << " / " << b.Name << " swapped";
                EXPECT_TRUE(!oneColumn || da.Top == db.Top || (da.Top < db.Top) == (a.Rect.Top < b.Rect.Top))
                    << a.Name << " / " << b.Name << " swapped";
            }
        }
    }

    FakePad design;
    int designOverlap = 0;
};

TEST_P(LayoutArrangementTest, WithEverythingShownTheTableStandsAsDesigned)
{
    const int layout = GetParam();
    for (int row = 1; row <= kLayoutRows; ++row) {
        const std::string& name = TableName(layout, row);
        SCOPED_TRACE(name);
        const TwipRect rect = design[name].Rect;
        const int left = TableInt(layout, row, kLayoutLeft);
        const int bottom = TableInt(layout, row, kLayoutBottom);
        if (IsFrame(name)) {
            if (layout % 2 == 1) {
                EXPECT_EQ(std::tuple(rect.Left, rect.Bottom()), std::tuple(left, bottom));
                EXPECT_TRUE(rect.Left >= design.Form.Width || rect.Top >= design.Form.Height)
                    << "frames of plain layouts lie outside the pad";
            }
            continue;
        }
        // Layout 2 brings its left-hand rows to x = 120 after fitting.
        EXPECT_EQ(rect.Left, left - (layout == 2 && row <= 32 ? 240 : 0));
        EXPECT_EQ(rect.Width, TableInt(layout, row, kLayoutWidth));
        // Lower edges stay on the table's, except for raised combo boxes and
        // the upper box of two that share a slot (only arranged layouts).
        int later = 0;
        for (int other = row + 1; other <= kLayoutRows && layout != 1; ++other)
            later += TableInt(layout, other, kLayoutLeft) == left && TableInt(layout, other, kLayoutBottom) == bottom;
        std::set<int> allowed = {bottom - 285 * later};
        if (name.starts_with("cbo"))
            allowed.insert(bottom - 90);
        EXPECT_TRUE(allowed.count(rect.Bottom())) << rect.Bottom() << " vs " << bottom;
    }
    for (int frame = 1; frame <= 3 && layout % 2 == 0; ++frame) {
        const auto& fields = FrameTable[static_cast<size_t>(layout)][static_cast<size_t>(frame)];
        EXPECT_EQ(design[fields[kFrameName]].Rect,
                  (TwipRect{std::stoi(fields[kFrameLeft]), std::stoi(fields[kFrameTop]), std::stoi(fields[kFrameWidth]),
                            std::stoi(fields[kFrameHeight])}));
    }
    EXPECT_EQ(std::tuple(design.MicroscopePicture, design.AlignedFor, design.Form.Width > 0, design.Form.Height > 0),
              std::tuple(std::optional(layout == 2), std::vector<int>{layout}, true, true));
}

// Layout 1 stands as designed whatever is hidden; the others close up.
class LayoutClosingTest : public LayoutArrangementTest {};

TEST_P(LayoutClosingTest, RandomlyHiddenControlsLeaveASoundCompactPad)
{
    const int layout = GetParam();
    std::vector<std::string> names;
    for (const auto& control : design.Controls)
        if (control.Visible && !IsFrame(control.Name))
            names.push_back(control.Name);

    for (unsigned seed = 1; seed <= 120; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        const double shown = std::array{0.15, 0.4, 0.65, 0.9}[seed % 4];
        FakePad pad;
        for (const auto& name : names)
            pad[name].Visible = std::bernoulli_distribution(shown)(random);
        if (layout % 2 == 0 && seed % 5 == 0)
            SwitchFrameOff(pad, layout, std::array{"fraDIA", "fraFluorescence", "fraTIRF"}[seed / 5 % 3]);
        ApplyLayout(pad, layout);
        const auto before = pad.Controls;
        ApplyLayout(pad, layout);
        ExpectSound(pad, before);
        EXPECT_TRUE(pad.Form.Width <= design.Form.Width && pad.Form.Height <= design.Form.Height);

        // Hiding one more control never makes the pad larger.
        std::vector<std::string> visible;
        for (const auto& name : names)
            if (pad[name].Visible)
                visible.push_back(name);
        if (visible.empty())
            continue;
        const std::string hide = visible[random() % visible.size()];
        pad[hide].Visible = false;
        const TwipRect larger = pad.Form;
        ApplyLayout(pad, layout);
        EXPECT_TRUE(pad.Form.Width <= larger.Width && pad.Form.Height <= larger.Height) << "after hiding " << hide;
    }
}

TEST_P(LayoutArrangementTest, WithEveryControlHiddenThePadHasNoSize)
{
    // Frames that are still shown but hold nothing count for nothing either.
    for (const bool framesShown : {false, true}) {
        FakePad pad;
        for (auto& control : pad.Controls)
            control.Visible = framesShown && IsFrame(control.Name);
        ApplyLayout(pad, GetParam());
        EXPECT_EQ(pad.Form, (TwipRect{14400, 8100, 0, 0})) << (framesShown ? "frames shown" : "all hidden");
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutArrangementTest, ::testing::Range(1, 9));
INSTANTIATE_TEST_SUITE_P(Layouts, LayoutClosingTest, ::testing::Range(2, 9));

// Closing the room of hidden controls, seen on single cases.
TEST(LayoutGapTest, AHiddenLineGivesUpItsPitch)
{
    const FakePad full = Laid(7);
    const FakePad pad = Laid(7, {"picFL2", "cboFL2"});
    for (const auto& control : pad.Controls) {
        if (!control.Visible || IsFrame(control.Name) || !IsTableControl(control.Name))
            continue;
        const TwipRect was = full[control.Name].Rect;
        const int expectedTop = was.Top > 3900 ? was.Top - 555 : was.Top;
        EXPECT_EQ(std::tuple(control.Rect.Left, control.Rect.Top), std::tuple(was.Left, expectedTop)) << control.Name;
    }
    EXPECT_EQ(pad.Form.Height, full.Form.Height - 555);
}

TEST(LayoutGapTest, AHiddenControlLetsItsLineCloseUp)
{
    FakePad pad = Laid(3, {"chkEpi"});
    // picTIRFAngle is on the next line, which keeps its places.
    EXPECT_EQ(std::tuple(pad["chkTIRF"].Rect.Left, pad["btnStageTIRF"].Rect.Left, pad["sbTIRFAngle"].Rect.Left,
                         pad["picTIRFAngle"].Rect.Left),
              std::tuple(3300, 3855, 5040 - 555, 3855));
}

TEST(LayoutGapTest, AnEmptyFrameGivesItsPlaceToTheNextFrame)
{
    const FakePad full = Laid(8);
    FakePad pad;
    SwitchFrameOff(pad, 8, "fraFluorescence");
    ApplyLayout(pad, 8);
    EXPECT_EQ(std::tuple(pad["fraTIRF"].Rect.Top, pad["picSetting"].Rect.Top, pad.Form.Height),
              std::tuple(7710, full["picSetting"].Rect.Top - (10785 - 7710), full.Form.Height - (10785 - 7710)));
    // Switched off, the frame waits past the pad's corner, the others stay
    // put; switched on again it comes back.
    const TwipRect parked = pad["fraFluorescence"].Rect;
    EXPECT_EQ(std::tuple(parked.Left, parked.Top, pad["fraFluorescence"].Visible, pad["fraDIA"].Rect),
              std::tuple(pad.Form.Right(), pad.Form.Bottom(), true, full["fraDIA"].Rect));
    pad.Switches.fill(true);
    for (auto& control : pad.Controls)
        control.Visible = full[control.Name].Visible;
    ApplyLayout(pad, 8);
    EXPECT_EQ(pad["fraFluorescence"].Rect, (TwipRect{120, 7710, 3390, 3045}));
}

TEST(LayoutGapTest, FramesShrinkAroundWhatIsLeftAndTheirNeighboursFollow)
{
    // The laser controls of fraTIRF and the first line of fraFluorescence,
    // which lies above fraTIRF.
    FakePad pad = Laid(6, {"picAOM", "sbAOM1", "sbAOM2", "sbAOM3", "sbAOM4", "chkLaser", "picFL1", "cboFL1", "picEX",
                           "cboEX", "chkEpi"});
    // fraFluorescence keeps its corner and its margins: its second line takes
    // the first one's place.
    EXPECT_EQ(pad["fraFluorescence"].Rect, (TwipRect{10380, 0, 6840, 1395 - 555}));
    EXPECT_EQ(std::tuple(pad["picFL2"].Rect.Top, pad["cboIrlux"].Rect.Left), std::tuple(780 - 480, 15960));
    // fraTIRF, below both fraFluorescence and the block of txtX, stays below
    // the nearer, txtX's. cboTIRF is now its widest; both its lines are
    // still there.
    const TwipRect tirf = pad["fraTIRF"].Rect;
    EXPECT_EQ(tirf, (TwipRect{9480, 1335, 12600 + (16320 - 16005) - 9480, 1395}));
    EXPECT_EQ(std::tuple(pad["picSetting"].Rect.Left, pad["picExit"].Rect.Left),
              std::tuple(tirf.Right() + (16485 - 16320), tirf.Right() + (16485 - 16320)));
}

TEST(LayoutGapTest, AColumnMovesLeftWhenEverythingLeftOfItIsGone)
{
    const FakePad full = Laid(4);
    FakePad pad;
    for (int row = 1; row <= 37; ++row)
        pad[TableName(4, row)].Visible = false;
    ApplyLayout(pad, 4);
    // picCHGMode stays above picFL1; they keep their heights. fraDIA, around
    // nothing now, has no size.
    const auto rect = [&pad](const char* name) { return pad[name].Rect; };
    EXPECT_EQ(std::tuple(rect("fraFluorescence").Left, rect("picFL1").Left, rect("fraTIRF").Left, rect("picCHGMode").Left),
              std::tuple(120, 120 + 3570 - 3420, 120, 120 + 3570 - 3420));
    EXPECT_EQ(std::tuple(rect("fraFluorescence").Top, rect("fraTIRF").Top, rect("fraDIA").Width, rect("fraDIA").Height),
              std::tuple(690, 3765, 0, 0));
    EXPECT_EQ(pad.Form.Width, full.Form.Width - (3420 - 120));
}

TEST(LayoutGapTest, ColumnsOfTheWideLayoutCloseUpOnTheirOwn)
{
    const FakePad full = Laid(5);
    const FakePad pad = Laid(5, {"chkFKS", "btnStageFKS", "sbFKS", "picMemFKS"});
    EXPECT_EQ(pad["picCON"].Rect.Top, full["picCON"].Rect.Top - 555);
    EXPECT_EQ(std::tuple(pad["picEX"].Rect, pad["picStageZ"].Rect), std::tuple(full["picEX"].Rect, full["picStageZ"].Rect))
        << "the next column keeps its lines";
}

} // namespace

// The eight layouts on the real pad: controls clear of each other, inside the window and their frames.

#include "PadFixture.h"

#include "pad/LayoutEngine.h"
#include "pad/LayoutTables.h"
#include "pad/PadControlTable.h"
#include "pad/PadLayoutSurface.h"

#include <QGroupBox>
#include <QStatusBar>

namespace zotest {
namespace {

std::string Describe(const QWidget* w)
{
    const QRect g = w->geometry();
    return QString("%1 [%2,%3 %4x%5]").arg(w->objectName()).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()).toStdString();
}

// Two rectangles share more than an edge. The tables let some edges meet
// within 15 twips, which is a pixel once rounded.
bool Overlap(const QRect& a, const QRect& b)
{
    const QRect common = a & b;
    return common.width() > 1 && common.height() > 1;
}

class PadLayouts : public PadTest {
protected:
    void ApplyLayout(int type)
    {
        g_ChangeGui = 1;
        g_LayoutType = static_cast<int16_t>(type);
        Load();
    }

    // The controls the pad shows that a layout places (the status bar, the
    // title mark and the frames aside).
    std::vector<QWidget*> Shown() const
    {
        std::vector<QWidget*> shown;
        for (QWidget* w : pad->Panels()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!w->isHidden() && w != static_cast<QWidget*>(pad->StatusBar1) && !qobject_cast<QGroupBox*>(w) && !w->objectName().isEmpty())
                shown.push_back(w);
        return shown;
    }

    static PadGroup GroupOfFrame(const QString& name)
    {
        return name == "fraDIA" ? PadGroup::DIA : name == "fraFluorescence" ? PadGroup::Fluorescence : PadGroup::TIRF;
    }

    void ExpectClearAndInside()
    {
        const std::vector<QWidget*> shown = Shown();
        const QRect client(0, 0, pad->width(), pad->height() - PadLayoutSurface::kStatusBarHeightPx);
        int right = 0;
        int bottom = 0;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const QRect a = shown[i]->geometry();
            EXPECT_TRUE(client.contains(a)) << Describe(shown[i]) << " outside the window " << client.width() << "x"
                                            << client.height();
            right = std::max(right, a.right());
            bottom = std::max(bottom, a.bottom());
            for (std::size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(Overlap(a, shown[j]->geometry())) << Describe(shown[i]) << " / " << Describe(shown[j]);
        }
        // The window closes around what it shows: on the right and below
        // it leaves its fixed 135 twips and the margin the controls keep on
        // the left and on top (at most 360 twips in the tables).
        constexpr int kMostRoom = (135 + 360) / 15 + PadLayoutSurface::kButtonGutterPx + 2;
        EXPECT_LE(client.width() - right, kMostRoom) << "room right of " << right << " in " << client.width();
        EXPECT_LE(client.height() - bottom, kMostRoom) << "room below " << bottom << " in " << client.height();

        for (QGroupBox* frame : pad->Panels()->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect f = frame->geometry();
            if (frame->isHidden() || !client.intersects(f))
                continue; // a frame the layout keeps outside the window
            for (QWidget* w : shown) {
                const PadControlInfo* info = FindPadControl(w->objectName().toStdString());
                const bool member = info && info->Group == GroupOfFrame(frame->objectName());
                if (member)
                    EXPECT_TRUE(f.contains(w->geometry())) << Describe(w) << " outside " << Describe(frame);
                else
                    EXPECT_FALSE(Overlap(f, w->geometry())) << Describe(w) << " inside " << Describe(frame);
            }
        }
    }
};

class EveryLayout : public PadLayouts, public ::testing::WithParamInterface<int> {};

TEST_P(EveryLayout, ControlsKeepClearOfEachOtherInsideTheWindowAndTheirFrames)
{
    ApplyLayout(GetParam());
    ASSERT_FALSE(g_LayoutPending) << "the first activation applied the layout";
    EXPECT_EQ(Find("imgMic")->isHidden(), GetParam() != 2);
    ExpectClearAndInside();
}

INSTANTIATE_TEST_SUITE_P(Layouts, EveryLayout, ::testing::Range(1, 9));

// Without layout switching the pad keeps the designed arrangement whatever the
// type: centred on the screen, every control at its row of the first table
// (the engine's own layout 1 is held to the table in LayoutArrangementTest).
TEST_F(PadLayouts, TheDesignPlacesEveryControlAtItsRowOfTheFirstTable)
{
    g_LayoutType = 6;
    Load();
    EXPECT_EQ(std::tuple(pad->size(), g_LayoutPending), std::tuple(pad->DesignedSize(), true)) << "no layout applied";
    EXPECT_GE(std::min(pad->x(), pad->y()), 0) << "placed on the screen";
    // In pixels: Left 750, Bottom 1215 less the raise.
    const QRect objective = Find("cboOBJ")->geometry();
    EXPECT_EQ(std::tuple(objective.x(), objective.bottom() + 1), std::tuple(50, (1215 - LayoutEngine::kComboRaise) / 15));
    for (int row = 1; row <= kLayoutRows; ++row) {
        const auto& fields = LayoutTable[1][static_cast<std::size_t>(row)];
        const std::string& name = fields[kLayoutName];
        QWidget* control = Find(name.c_str());
        if (!control || control->isHidden() || name.starts_with("fra"))
            continue;
        const int index = pad->Surface().IndexOf(*control);
        ASSERT_GE(index, 0) << name;
        const TwipRect rect = pad->Surface().ControlRect(index);
        const int raise = name.starts_with("cbo") ? LayoutEngine::kComboRaise : 0;
        EXPECT_EQ(std::tuple(rect.Left, rect.Bottom(), rect.Width),
                  std::tuple(std::stoi(fields[kLayoutLeft]), std::stoi(fields[kLayoutBottom]) - raise,
                             std::stoi(fields[kLayoutWidth])))
            << name;
    }
}

TEST_F(PadLayouts, APendingChangeIsAppliedOnTheNextActivation)
{
    ApplyLayout(1);
    const QSize first = pad->size();
    g_LayoutType = 7;
    pad->Form_Activate();
    EXPECT_EQ(pad->size(), first) << "nothing pending";
    g_LayoutPending = true;
    pad->Form_Deactivate();
    pad->Form_Activate();
    EXPECT_EQ(std::tuple(g_LayoutPending, pad->width() < first.width(), pad->height() > first.height()),
              std::tuple(false, true, true)) << "layout 7 is tall and narrow";
}

} // namespace
} // namespace zotest

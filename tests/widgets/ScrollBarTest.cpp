#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>

#include "TestPanel.h"
#include "widgets/usrXscrollZo.h"

namespace {

// The bar is 120 x 17: arrows of 17 px at both ends, a thumb of 0.9 x the
// height on the 86 px track between them.
class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(panel.show());
        sb->setMinimum(0);
        sb->setMaximum(100);
        sb->setSmallStep(0.1);
        sb->setValue(12.5);
        changed = std::make_unique<QSignalSpy>(sb, &usrXscrollZo::changed);
        scrolled = std::make_unique<QSignalSpy>(sb, &usrXscrollZo::scrolled);
        released = std::make_unique<QSignalSpy>(sb, &usrXscrollZo::mouseReleased);
    }

    QPoint lessArrow() const { return {8, 8}; }
    QPoint moreArrow() const { return {sb->width() - 8, 8}; }
    QPoint thumb() const
    {
        const double thumbWidth = 17 * 0.9;
        const double travel = sb->width() - 2 * 17 - thumbWidth;
        const double fraction = (sb->value() - sb->minimum()) / (sb->maximum() - sb->minimum());
        return {static_cast<int>(17 + fraction * travel + thumbWidth / 2), 8};
    }

    std::tuple<int, int, int> Counts() const
    {
        return {static_cast<int>(changed->count()), static_cast<int>(scrolled->count()),
                static_cast<int>(released->count())};
    }

    TestPanel panel{{130, 30}};
    usrXscrollZo* sb = panel.add<usrXscrollZo>("sbTIRFAngle", {0, 0, 120, 17});
    std::unique_ptr<QSignalSpy> changed, scrolled, released;
};

TEST_F(ScrollBarTest, ValuesAndLimitsFromCodeRaiseNothing)
{
    sb->setValue(250.0);
    sb->setMaximum(10);
    EXPECT_EQ(std::tuple(sb->value(), sb->smallStep(), Counts()), std::tuple(10.0, 0.1, std::tuple(0, 0, 0)));
}

TEST_F(ScrollBarTest, ArrowStepsDoNotDriftAndAtTheLimitOnlyReportTheRelease)
{
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(sb, Qt::LeftButton, {}, moreArrow());
    EXPECT_EQ(std::tuple(sb->value(), Counts(), changed->value(0).value(0).toDouble()),
              std::tuple(13.5, std::tuple(10, 0, 10), 12.6));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(sb, Qt::LeftButton, {}, lessArrow());
    EXPECT_EQ(sb->value(), 13.2);

    sb->setValue(100);
    QTest::mouseClick(sb, Qt::LeftButton, {}, moreArrow());
    EXPECT_EQ(std::tuple(sb->value(), Counts()), std::tuple(100.0, std::tuple(13, 0, 14)));
}

TEST_F(ScrollBarTest, ThumbDragScrollsThenChangesOnReleaseAndAPressWithoutMovingOnlyReportsTheRelease)
{
    QTest::mouseClick(sb, Qt::LeftButton, {}, thumb());
    EXPECT_EQ(std::tuple(sb->value(), Counts()), std::tuple(12.5, std::tuple(0, 0, 1)));
    QTest::mousePress(sb, Qt::LeftButton, {}, thumb());
    QTest::mouseMove(sb, thumb() + QPoint(20, 0));
    QTest::mouseMove(sb, QPoint(sb->width() + 40, 8));   // far past the end
    ASSERT_EQ(Counts(), std::tuple(0, 2, 1));
    const double mid = scrolled->at(0).at(0).toDouble();
    EXPECT_GT(mid, 12.5);
    // Dragged values lie on the 0.1 grid.
    EXPECT_EQ(mid, std::round(mid * 10) / 10);
    EXPECT_EQ(scrolled->at(1).at(0).toDouble(), 100);
    QTest::mouseRelease(sb, Qt::LeftButton, {}, QPoint(sb->width() + 40, 8));
    ASSERT_EQ(Counts(), std::tuple(1, 2, 2));
    EXPECT_EQ(changed->at(0).at(0).toDouble(), 100);
}

TEST_F(ScrollBarTest, TrackClickPagesTowardsThePointer)
{
    // A page is a tenth of the range: 10.
    QTest::mouseClick(sb, Qt::LeftButton, {}, QPoint(sb->width() - 20, 8));
    EXPECT_EQ(sb->value(), 22.5);
    QTest::mouseClick(sb, Qt::LeftButton, {}, QPoint(19, 8));
    EXPECT_EQ(std::tuple(sb->value(), Counts()), std::tuple(12.5, std::tuple(2, 0, 2)));
}

TEST_F(ScrollBarTest, KeysAreUserChanges)
{
    sb->setFocus();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_End})
        QTest::keyClick(sb, key);
    EXPECT_EQ(std::tuple(sb->value(), changed->count(), changed->value(0).value(0).toDouble()), std::tuple(100.0, 2, 12.6));
}

TEST_F(ScrollBarTest, DisabledBarIgnoresTheMouse)
{
    sb->setEnabled(false);
    QTest::mouseClick(sb, Qt::LeftButton, {}, moreArrow());
    QTest::mousePress(sb, Qt::LeftButton, {}, thumb());
    QTest::mouseMove(sb, thumb() + QPoint(30, 0));
    QTest::mouseRelease(sb, Qt::LeftButton, {}, thumb() + QPoint(30, 0));
    EXPECT_EQ(std::tuple(sb->value(), Counts()), std::tuple(12.5, std::tuple(0, 0, 0)));
}

TEST_F(ScrollBarTest, HeldArrowRepeatsUntilDisabled)
{
    QTest::mousePress(sb, Qt::LeftButton, {}, moreArrow());
    QTRY_VERIFY_WITH_TIMEOUT(changed->count() >= 3, 5000);
    // The pad disables itself while it sends; the release never arrives.
    sb->setEnabled(false);
    const int atDisable = changed->count();
    QTest::qWait(3 * AutoRepeat::IntervalMs);
    EXPECT_EQ(changed->count(), atDisable);
}

} // namespace

#include <QLocale>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <vector>

#include "TestPanel.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrZspin.h"

namespace {

struct Step {
    int axis;
    int direction;
    double position;
    bool operator==(const Step&) const = default;
};

class SpinControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(panel.show());
        watch(spnXY);
        watch(spnZ);
    }

    void watch(SpinControl* spin)
    {
        QObject::connect(spin, &SpinControl::stepped,
                         [this](int axis, int direction, double position) { steps.push_back({axis, direction, position}); });
        QObject::connect(spin, &SpinControl::pressEnded,
                         [this](int axis, int direction) { presses.push_back({axis, direction, 0}); });
    }

    TestPanel panel{{80, 40}};
    usrXYspin* spnXY = panel.add<usrXYspin>("spnStageXY", {0, 0, 30, 30});
    usrZspin* spnZ = panel.add<usrZspin>("spnStageZ", {40, 0, 20, 30});
    std::vector<Step> steps;
    std::vector<Step> presses;
};

TEST_F(SpinControlTest, ProgrammaticPressesStepAndClamp)
{
    spnZ->setMinimum(-5);
    spnZ->setMaximum(13);
    spnZ->setStep(2.5);
    spnZ->setPosition(10);
    spnZ->pressUp();
    spnZ->pressUp();   // 15 is past the maximum: stops at 13
    spnZ->pressUp();   // at the limit: no step, but still a press
    spnZ->pressDown();
    EXPECT_EQ(steps, (std::vector<Step>{{0, 1, 12.5}, {0, 1, 13}, {0, -1, 10.5}}));
    EXPECT_EQ(presses, (std::vector<Step>{{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, -1, 0}}));
    EXPECT_EQ(spnZ->position(), 10.5);
}

TEST_F(SpinControlTest, XYPressesReachTheirAxis)
{
    spnXY->setXStep(0.2);
    spnXY->setYStep(5);
    spnXY->setXPosition(0.1);
    spnXY->pressXUp();
    spnXY->pressXDown();
    spnXY->pressXDown();
    spnXY->pressYUp();
    spnXY->pressYDown();
    spnXY->pressYDown();
    // 0.1 + 0.2 reads 0.3, not 0.30000000000000004.
    EXPECT_EQ(steps, (std::vector<Step>{{0, 1, 0.3}, {0, -1, 0.1}, {0, -1, -0.1}, {1, 1, 5}, {1, -1, 0}, {1, -1, -5}}));
    EXPECT_EQ(presses.size(), 6u);
    EXPECT_EQ(std::tuple(spnXY->xPosition(), spnXY->yPosition()), std::tuple(-0.1, -5.0));
}

TEST_F(SpinControlTest, PositionsAndLimitsFromCodeRaiseNothing)
{
    spnXY->setXPosition(123.456);
    spnXY->setXMaximum(100);
    spnZ->setPosition(-1);
    EXPECT_EQ(std::tuple(spnXY->xPosition(), spnZ->position(), steps.size(), presses.size()),
              std::tuple(100.0, -1.0, 0u, 0u));
}

TEST_F(SpinControlTest, MouseOnTheParts)
{
    spnZ->setPosition(1);
    // Z up, down, down; the XY quadrants top, bottom, left, right, and the centre disc, which does nothing.
    for (const auto& [spin, at] : {std::pair<QWidget*, QPoint>{spnZ, {10, 5}}, {spnZ, {10, 25}}, {spnZ, {10, 25}},
                                   {spnXY, {15, 4}}, {spnXY, {15, 26}}, {spnXY, {4, 15}}, {spnXY, {26, 15}},
                                   {spnXY, {15, 15}}})
        QTest::mouseClick(spin, Qt::LeftButton, {}, at);
    EXPECT_EQ(steps, (std::vector<Step>{{0, 1, 2}, {0, -1, 1}, {0, -1, 0}, {1, 1, 1}, {1, -1, 0}, {0, -1, -1}, {0, 1, 0}}));
    EXPECT_EQ(presses.size(), 7u);
}

TEST_F(SpinControlTest, DisabledControlsIgnoreMouseAndCode)
{
    spnZ->setEnabled(false);
    spnXY->setEnabled(false);
    QTest::mouseClick(spnZ, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseClick(spnXY, Qt::LeftButton, {}, QPoint(26, 15));
    spnZ->pressUp();
    spnXY->pressYDown();
    EXPECT_EQ(std::tuple(spnZ->position(), spnXY->yPosition(), steps.size(), presses.size()),
              std::tuple(0.0, 0.0, 0u, 0u));
}

TEST_F(SpinControlTest, HeldPartRepeatsAndEndsWithOnePress)
{
    QTest::mousePress(spnZ, Qt::LeftButton, {}, QPoint(10, 5));
    QTRY_VERIFY_WITH_TIMEOUT(steps.size() >= 3, 5000);
    QTest::mouseRelease(spnZ, Qt::LeftButton, {}, QPoint(10, 5));
    const size_t atRelease = steps.size();
    QTest::qWait(3 * AutoRepeat::IntervalMs);
    EXPECT_EQ(std::tuple(steps.size(), spnZ->position()), std::tuple(atRelease, static_cast<double>(atRelease)));
    EXPECT_EQ(presses, (std::vector<Step>{{0, 1, 0}}));
}

TEST_F(SpinControlTest, ReadoutIsLocaleFree)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    spnXY->setXCaption("X:");
    spnXY->setYCaption("Y:");
    spnXY->setXPosition(12.5);
    spnXY->setYPosition(-3);
    spnZ->setCaption("Z: ");
    spnZ->setPosition(1500.25);
    EXPECT_EQ(std::tuple(spnXY->readoutText(), spnZ->readoutText()),
              std::tuple(QString("X:12.5\nY:-3"), QString("Z: 1500.25")));
    QLocale::setDefault(before);
}

} // namespace

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <vector>

#include "TestPanel.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrPButton.h"

namespace {

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel.add<usrMPButton>("chkEpi", {0, 0, 40, 34})->setText("EPI");
        panel.add<usrMPButton>("picStageZ", {50, 0, 40, 34})->setStateCount(3);
        panel.add<usrPButton>("picExit", {100, 0, 40, 34})->setText("Exit");
        ASSERT_TRUE(panel.show());
        chkEpi = panel.find<usrMPButton>("chkEpi");
        picStageZ = panel.find<usrMPButton>("picStageZ");
        picExit = panel.find<usrPButton>("picExit");
        ASSERT_TRUE(chkEpi && picStageZ && picExit);
    }

    // Clicks the button and returns the states its click handler saw.
    static std::vector<int> clickAndWatch(usrMPButton* button, int clicks, Qt::Key key = Qt::Key_unknown)
    {
        std::vector<int> seen;
        auto connection = QObject::connect(button, &QAbstractButton::clicked,
                                           [&] { seen.push_back(button->state()); });
        for (int i = 0; i < clicks; ++i) {
            if (key != Qt::Key_unknown)
                QTest::keyClick(button, key);
            else
                QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        }
        QObject::disconnect(connection);
        return seen;
    }

    TestPanel panel{{150, 40}};
    usrMPButton* chkEpi = nullptr;
    usrMPButton* picStageZ = nullptr;
    usrPButton* picExit = nullptr;
};

TEST_F(ButtonTest, ClickAdvancesTheStateBeforeTheHandlerRuns)
{
    ASSERT_EQ(chkEpi->state(), 1);
    EXPECT_EQ(clickAndWatch(chkEpi, 3), (std::vector<int>{2, 1, 2}));
    EXPECT_EQ(chkEpi->state(), 2);
}

TEST_F(ButtonTest, ThreeStatesWrapBackToOne)
{
    EXPECT_EQ(clickAndWatch(picStageZ, 4), (std::vector<int>{2, 3, 1, 2}));
    // The keyboard activates a focused button the same way.
    picStageZ->setFocus();
    EXPECT_EQ(clickAndWatch(picStageZ, 1, Qt::Key_Space), std::vector<int>{3});
}

TEST_F(ButtonTest, StateFromCodeRaisesNothing)
{
    QSignalSpy clicked(picStageZ, &QAbstractButton::clicked);
    QSignalSpy toggled(picStageZ, &QAbstractButton::toggled);
    // States out of range are refused; fewer states pull the current one into range.
    for (const auto& [state, kept] : {std::pair{3, 3}, {0, 3}, {4, 3}}) {
        picStageZ->setState(state);
        EXPECT_EQ(picStageZ->state(), kept) << state;
    }
    picStageZ->setStateCount(2);
    EXPECT_EQ(picStageZ->state(), 2);
    picStageZ->setStateCount(1);
    EXPECT_EQ(std::tuple(picStageZ->stateCount(), clicked.count(), toggled.count()), std::tuple(2, 0, 0));
}

TEST_F(ButtonTest, DisabledButtonsIgnoreClicks)
{
    chkEpi->setEnabled(false);
    picExit->setEnabled(false);
    QSignalSpy stateClicks(chkEpi, &QAbstractButton::clicked);
    QSignalSpy pushClicks(picExit, &QAbstractButton::clicked);
    QTest::mouseClick(chkEpi, Qt::LeftButton, {}, chkEpi->rect().center());
    QTest::mouseClick(picExit, Qt::LeftButton, {}, picExit->rect().center());
    EXPECT_EQ(std::tuple(chkEpi->state(), stateClicks.count(), pushClicks.count()), std::tuple(1, 0, 0));

    picExit->setEnabled(true);
    QTest::mouseClick(picExit, Qt::LeftButton, {}, picExit->rect().center());
    EXPECT_EQ(pushClicks.count(), 1);
}

TEST_F(ButtonTest, PerStateCaptionsFallBackToTheCaption)
{
    chkEpi->setStateText(2, "closed");
    EXPECT_EQ(std::tuple(chkEpi->stateText(1), chkEpi->stateText(2)), std::tuple("EPI", "closed"));
    chkEpi->setText("Epi");
    EXPECT_EQ(chkEpi->stateText(1), "Epi");
}

} // namespace

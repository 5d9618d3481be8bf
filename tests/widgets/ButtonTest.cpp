// What the multi-state button adds to a push button. A click's step to the
// next state, before the handler runs and wrapping round, is held by the pad
// (Bindings, PadStepping) and the state pictures (StatePictures).

#include <QSignalSpy>
#include <gtest/gtest.h>

#include "TestPanel.h"
#include "widgets/usrMPButton.h"

namespace {

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chkEpi->setText("EPI");
        picStageZ->setStateCount(3);
        ASSERT_TRUE(panel.show());
    }

    TestPanel panel{{150, 40}};
    usrMPButton* chkEpi = panel.add<usrMPButton>("chkEpi", {0, 0, 40, 34});
    usrMPButton* picStageZ = panel.add<usrMPButton>("picStageZ", {50, 0, 40, 34});
};

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

TEST_F(ButtonTest, PerStateCaptionsFallBackToTheCaption)
{
    chkEpi->setStateText(2, "closed");
    EXPECT_EQ(std::tuple(chkEpi->stateText(1), chkEpi->stateText(2)), std::tuple("EPI", "closed"));
    chkEpi->setText("Epi");
    EXPECT_EQ(chkEpi->stateText(1), "Epi");
}

} // namespace

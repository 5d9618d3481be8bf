// Stage stepping on the pad: the step follows the objective in use and never
// drops below what an axis can show, the step-size buttons pick the
// multiplier, and a spin step moves the drive with the spin speed and gives
// it the stage speed back when the press ends.

#include "PadFixture.h"

#include "core/mdlSettings.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrXscrollZo.h"
#include "widgets/usrZspin.h"

#include <cmath>

namespace zotest {
namespace {

// Nosepiece positions of the built-in instrument: 1 a 4x objective
// (NA 0.10), 3 a 20x (NA 0.40), 4 a 40x (NA 0.75).
class PadStepping : public PadTest {
protected:
    void SetUp() override
    {
        PadTest::SetUp();
        g_IncrementFlag = {true, true, true};
        g_DefaultIncreValue = {0.5, 0.2, 0.3};
    }

    void ToObjective(int position)
    {
        Find<usrComboBox>("cboOBJ")->setSelectedIndex(position - 1);
        sim->Settle();
        ASSERT_EQ(scope().Nosepiece().Position()->Value(), position);
    }

    usrXYspin* XY() { return Find<usrXYspin>("spnStageXY"); }
    usrZspin* Z() { return Find<usrZspin>("spnStageZ"); }
    usrZspin* Piezo() { return Find<usrZspin>("spnStagePiezo"); }
};

TEST_F(PadStepping, TheXYStepFollowsTheObjectiveUnlessTheStageShowsCoarser)
{
    // X and Y at 25 nm per unit: the stage shows steps of 0.025 um.
    Load("[XAxis]\nResolution = 25\n[YAxis]\nResolution = 25\n");
    ToObjective(3);
    EXPECT_DOUBLE_EQ(XY()->xStep(), 1.0 / 20);
    EXPECT_DOUBLE_EQ(XY()->yStep(), 1.0 / 20);
    ToObjective(1);
    EXPECT_DOUBLE_EQ(XY()->xStep(), 1.0 / 4);
}

TEST_F(PadStepping, TheXYStepIsNeverFinerThanTheStageShows)
{
    // The built-in stage shows 0.1 um; a 20x objective would ask for 0.05.
    Load();
    ToObjective(3);
    EXPECT_DOUBLE_EQ(XY()->xStep(), 0.1);
    ToObjective(1);
    EXPECT_DOUBLE_EQ(XY()->xStep(), 0.25);
}

TEST_F(PadStepping, FocusStepsAreTheDepthOfFieldOfTheObjective)
{
    Load();
    ToObjective(3);
    EXPECT_DOUBLE_EQ(Z()->step(), 0.55 / (2 * 0.40 * 0.40));
    EXPECT_DOUBLE_EQ(Piezo()->step(), 0.55 / (2 * 0.40 * 0.40));
    ToObjective(4);
    EXPECT_DOUBLE_EQ(Z()->step(), 0.55 / (2 * 0.75 * 0.75));
}

TEST_F(PadStepping, WithTheFlagOffAnAxisStepsByItsDefault)
{
    g_IncrementFlag = {false, true, false};
    Load();
    ToObjective(3);
    EXPECT_DOUBLE_EQ(XY()->xStep(), 0.5);
    EXPECT_DOUBLE_EQ(Z()->step(), 0.55 / (2 * 0.40 * 0.40));
    EXPECT_DOUBLE_EQ(Piezo()->step(), 0.3);
}

TEST_F(PadStepping, AnObjectiveTheDatabaseDoesNotKnowStepsByTheDefault)
{
    Load();
    ToObjective(3);
    // A user entry without a record: magnification 0, no aperture.
    scope().Nosepiece().Item(3).SetCode(0);
    sim->Settle();
    EXPECT_DOUBLE_EQ(XY()->xStep(), 0.5);
    EXPECT_DOUBLE_EQ(Z()->step(), 0.2);
}

TEST_F(PadStepping, TheStepSizeButtonsPickTheMultiplierAndWrapAround)
{
    g_IncrementValue[saXY] = {"1", "10", "100"};
    g_IncrementValue[saZ] = {"2", "5", "50"};
    g_IncrementValue[saTIRF] = {"1", "10", "100"};
    g_IncrementValue[saFKS] = {"1", "25", "250"};
    Load();
    ToObjective(1);
    auto* xyButton = Find<usrMPButton>("picStageXY");
    xyButton->click();
    EXPECT_EQ(xyButton->state(), 2);
    EXPECT_DOUBLE_EQ(XY()->xStep(), 10 * 0.25);
    EXPECT_DOUBLE_EQ(XY()->yStep(), 10 * 0.25);
    xyButton->click();
    EXPECT_DOUBLE_EQ(XY()->xStep(), 100 * 0.25);
    xyButton->click();
    EXPECT_EQ(xyButton->state(), 1);
    EXPECT_DOUBLE_EQ(XY()->xStep(), 0.25);

    auto* zButton = Find<usrMPButton>("picStageZ");
    zButton->click();
    EXPECT_DOUBLE_EQ(Z()->step(), 5 * 0.55 / (2 * 0.1 * 0.1));
    // A new objective keeps the multiplier the button shows.
    ToObjective(4);
    EXPECT_DOUBLE_EQ(Z()->step(), 5 * 0.55 / (2 * 0.75 * 0.75));

    Find<usrMPButton>("btnStageTIRF")->click();
    EXPECT_DOUBLE_EQ(Find<usrXscrollZo>("sbTIRFAngle")->smallStep(), 10 * 0.1);
    Find<usrMPButton>("btnStageFKS")->click();
    Find<usrMPButton>("btnStageFKS")->click();
    EXPECT_DOUBLE_EQ(Find<usrXscrollZo>("sbFKS")->smallStep(), 250);
    EXPECT_EQ(WritesSinceMark().size(), 2u) << "only the two objective changes reached the instrument";
}

TEST_F(PadStepping, ASpinStepMovesWithTheSpinSpeedAndTheEndOfThePressRestoresTheStageSpeed)
{
    g_SpinInfoSpeed = 7;
    g_SpinInfoTolerance = 3;
    g_StageInfoSpeed = 2;
    g_StageInfoTolerance = 9;
    g_IncrementFlag = {false, false, false};
    g_DefaultIncreValue = {0.5, 2.5, 0.3};
    Load();
    EXPECT_EQ(scope().ZDrive().Speed(), 2) << "the axis initialisation gives the stage speed";
    EXPECT_EQ(scope().ZDrive().Tolerance(), 9);

    // Z at 3000 um: one step up is 3002.5 um, 120100 units.
    pad->FlushReadouts();
    Z()->pressUp();
    std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 5u);
    EXPECT_NE(writes[0].find("ZDrive.SetSpeed(7)"), std::string::npos) << writes[0];
    EXPECT_NE(writes[1].find("ZDrive.SetTolerance(3)"), std::string::npos) << writes[1];
    EXPECT_NE(writes[2].find("ZDrive.MoveAbsolute(120100)"), std::string::npos) << writes[2];
    EXPECT_NE(writes[3].find("ZDrive.SetSpeed(2)"), std::string::npos) << writes[3];
    EXPECT_NE(writes[4].find("ZDrive.SetTolerance(9)"), std::string::npos) << writes[4];

    // The XY control's parts drive their own axis.
    MarkTrace();
    XY()->pressYDown();
    writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 5u);
    EXPECT_NE(writes[2].find("YAxis.MoveAbsolute(-5)"), std::string::npos) << writes[2];
}

TEST_F(PadStepping, AStepAtTheLimitSendsNoMoveButTheStageSpeedStill)
{
    g_IncrementFlag = {false, false, false};
    g_DefaultIncreValue = {0.5, 2.5, 0.3};
    Load();
    scope().ZDrive().MoveAbsolute(0);
    sim->Settle();
    pad->FlushReadouts();
    MarkTrace();
    Z()->pressDown();
    for (const std::string& write : WritesSinceMark())
        EXPECT_EQ(write.find("MoveAbsolute"), std::string::npos) << write;
    EXPECT_EQ(scope().ZDrive().Position()->Value(), 0);
}

TEST_F(PadStepping, APiezoStepMovesThePiezoWithoutTouchingSpeeds)
{
    g_IncrementFlag = {false, false, false};
    g_DefaultIncreValue = {0.5, 2.5, 0.3};
    Load();
    pad->FlushReadouts();
    const double before = Piezo()->position();
    Piezo()->pressUp();
    const std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    const long expected = std::lround((before + 0.3) / 0.025);
    EXPECT_NE(writes[0].find("PiezoZ.MoveAbsolute(" + std::to_string(expected) + ")"), std::string::npos)
        << writes[0];
}

} // namespace
} // namespace zotest

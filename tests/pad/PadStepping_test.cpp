// Stage stepping: the step follows the objective, the step-size buttons pick the multiplier.

#include "PadFixture.h"

#include <gmock/gmock.h>

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
    std::vector<double> Steps() { return {XY()->xStep(), XY()->yStep(), Z()->step(), Piezo()->step()}; }
};


// The base step of each axis: X and Y 1 / magnification, Z and piezo the
// depth of field 0.55 / (2 NA^2), never below what the axis shows; with the
// flag off, or an objective without a record, the default.
TEST_F(PadStepping, TheBaseStepFollowsTheObjectiveUnlessTheAxisShowsCoarser)
{
    const auto depth = [](double na) { return 0.55 / (2 * na * na); };
    // X and Y at 25 nm per unit show steps of 0.025 um, the built-in stage 0.1 um.
    const std::string fine = "[XAxis]\nResolution = 25\n[YAxis]\nResolution = 25\n";
    struct Case {
        std::array<bool, 3> flags;
        std::string description;
        int objective;
        int clearedPosition; // a nosepiece position made a user entry without a record, or 0
        double xy, z, piezo;
    };
    const Case cases[] = {
        {{true, true, true}, fine, 3, 0, 1.0 / 20, depth(0.40), depth(0.40)},
        {{true, true, true}, "", 3, 0, 0.1, depth(0.40), depth(0.40)},
        {{true, true, true}, "", 1, 0, 0.25, depth(0.10), depth(0.10)},
        {{false, true, false}, "", 3, 0, 0.5, depth(0.40), 0.3},
        {{true, true, true}, "", 3, 3, 0.5, 0.2, 0.3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.description << " objective " << c.objective << " flags " << c.flags[0]
                                        << c.flags[1] << c.flags[2] << " cleared " << c.clearedPosition);
        g_IncrementFlag = c.flags;
        Load(c.description);
        ToObjective(c.objective);
        if (c.clearedPosition != 0) {
            scope().Nosepiece().Item(c.clearedPosition).SetCode(0);
            sim->Settle();
        }
        EXPECT_THAT(Steps(), (Pointwise(DoubleEq(), {c.xy, c.xy, c.z, c.piezo})));
    }
}

TEST_F(PadStepping, TheStepSizeButtonsPickTheMultiplierAndWrapAround)
{
    g_IncrementValue[saZ] = {"2", "5", "50"};
    g_IncrementValue[saFKS] = {"1", "25", "250"};
    g_IncrementValue[saTIRF] = {"1", "4", "40"};
    Load();
    ToObjective(1);
    auto* xyButton = Find<usrMPButton>("picStageXY");
    for (const auto& [state, factor] : {std::pair{2, 10}, {3, 100}, {1, 1}}) {
        xyButton->click();
        EXPECT_EQ(xyButton->state(), state);
        EXPECT_THAT((std::vector{XY()->xStep(), XY()->yStep()}),
                    (Pointwise(DoubleEq(), {factor * 0.25, factor * 0.25})));
    }

    Click("picStageZ");
    EXPECT_DOUBLE_EQ(Z()->step(), 5 * 0.55 / (2 * 0.1 * 0.1));
    // A new objective keeps the multiplier the button shows.
    ToObjective(4);
    EXPECT_DOUBLE_EQ(Z()->step(), 5 * 0.55 / (2 * 0.75 * 0.75));

    Click("btnStageTIRF");
    EXPECT_DOUBLE_EQ(Find<usrXscrollZo>("sbTIRFAngle")->smallStep(), 4 * 0.1);
    Click("btnStageFKS");
    Click("btnStageFKS");
    EXPECT_EQ(std::tuple(Find<usrXscrollZo>("sbFKS")->smallStep(), WritesSinceMark().size()), std::tuple(250.0, 2u))
        << "only the two objective changes reached the instrument";
}

// The drives (not the piezo) step with the spin speed and get the stage speed
// back when the press ends, also when a step at the limit sends no move.
TEST_F(PadStepping, ASpinStepMovesWithTheSpinSpeedAndTheEndOfThePressRestoresTheStageSpeed)
{
    g_SpinInfoSpeed = 7;
    g_SpinInfoTolerance = 3;
    g_StageInfoSpeed = 2;
    g_StageInfoTolerance = 9;
    g_IncrementFlag = {false, false, false};
    g_DefaultIncreValue = {0.5, 2.5, 0.3};
    Load();
    EXPECT_EQ(std::tuple(scope().ZDrive().Speed(), scope().ZDrive().Tolerance()), std::tuple(2, 9))
        << "the axis initialisation gives the stage speed";

    // Z at 3000 um: one step up is 3002.5 um, 120100 units.
    pad->FlushReadouts();
    Z()->pressUp();
    ExpectWrites({"ZDrive.SetSpeed(7)", "ZDrive.SetTolerance(3)", "ZDrive.MoveAbsolute(120100)", "ZDrive.SetSpeed(2)",
                  "ZDrive.SetTolerance(9)"});
    MarkTrace();
    XY()->pressYDown();
    ExpectWrites({"YAxis.SetSpeed(7)", "YAxis.SetTolerance(3)", "YAxis.MoveAbsolute(-5)", "YAxis.SetSpeed(2)",
                  "YAxis.SetTolerance(9)"});
    MarkTrace();
    const double piezo = Piezo()->position();
    Piezo()->pressUp();
    ExpectWrites({"PiezoZ.MoveAbsolute(" + std::to_string(std::lround((piezo + 0.3) / 0.025)) + ")"});

    scope().ZDrive().MoveAbsolute(0);
    SettleAndMark();
    pad->FlushReadouts();
    Z()->pressDown();
    ExpectWrites({"ZDrive.SetSpeed(2)", "ZDrive.SetTolerance(9)"});
}

} // namespace
} // namespace zotest

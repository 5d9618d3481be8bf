// The TIRF window: stores, clears and moves, and the ERG switch.

#include "WindowFixture.h"

#include "core/UiServices.h"

namespace zotest {
namespace {

class TIRFWindow : public WindowTest {};

TEST_F(TIRFWindow, AStoreAsksFirstAndShowsTheTIRFPositionInBothListsAndAMoveGoesBackThere)
{
    Load();
    scope().TIRF().MoveAbsolute(340);
    sim->Settle();
    frmTIRF& tirf = TIRF();
    Pick(tirf, "lstTIRF", {4});
    ui.QueueAnswer(UiServices::ID_NO);
    Press(tirf, "picMemTIRF");
    EXPECT_EQ(std::tuple(g_MemTIRF[4], Enabled(tirf, "picMoveTIRF")), std::tuple("", false));
    Press(tirf, "picMemTIRF");
    EXPECT_EQ(ui.StyledBoxes(), (std::vector<std::string>(2, ScriptedUi::Styled(36, func_GetMessage(113)))));
    EXPECT_EQ(std::tuple(Item(tirf, "lstTIRF", 4), Entry("cboTIRF", 4), Enabled(tirf, "picMoveTIRF")),
              std::tuple("5:34", "5:TIRF:34", true));

    scope().TIRF().MoveAbsolute(900);
    SettleAndMark();
    Press(tirf, "picMoveTIRF");
    ExpectWrites({"TIRF.MoveAbsolute(340)"});
}

TEST_F(TIRFWindow, ClearingThreeSlotsEmptiesExactlyThoseInTheWindowAndThePad)
{
    g_MemTIRF = {"1", "2", "3", "4", "5"};
    frmTIRF& tirf = TIRF();
    Pick(tirf, "lstTIRF", {0, 2, 3});
    Press(tirf, "picRestTIRF");
    std::vector<std::string> window, list;
    for (int slot = 0; slot < 5; ++slot) {
        window.push_back(Item(tirf, "lstTIRF", slot));
        list.push_back(Entry("cboTIRF", slot));
    }
    EXPECT_EQ(window, (std::vector<std::string>{"1:", "2:2", "3:", "4:", "5:5"}));
    EXPECT_EQ(list, (std::vector<std::string>{"1:TIRF:", "2:TIRF:2", "3:TIRF:", "4:TIRF:", "5:TIRF:5"}));
    EXPECT_EQ(std::tuple(ui.Boxes().size(), WritesSinceMark().size()), std::tuple(0u, 0u));
}

TEST_F(TIRFWindow, TheERGSwitchIsThereWithTheErgoControllerOnlyAndPassesItsNewState)
{
    Load();
    auto* erg = In<usrMPButton>(TIRF(), "chkERGX");
    EXPECT_EQ(std::tuple(erg->isHidden(), erg->state()), std::tuple(false, 2));
    erg->click(); // state 1 writes 0
    ExpectWrites({"TIRF.SetERG(0)"});
    scope().TIRF().SetERG(1);
    EXPECT_EQ(erg->state(), 1) << "the pad sets the switch from the unit's report";
    MarkTrace();
    erg->click(); // state 2 writes 1
    ExpectWrites({"TIRF.SetERG(1)"});
    EXPECT_EQ(erg->state(), 1) << "the switch shows what the unit reports";

    pad.reset();
    Load("[Mounted]\nErgoController = 0\n");
    EXPECT_TRUE(In<usrMPButton>(TIRF(), "chkERGX")->isHidden());
}

} // namespace
} // namespace zotest

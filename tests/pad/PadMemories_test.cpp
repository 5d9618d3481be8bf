// Position memories: stores keep what the pad shows, recalls hold the windows until arrival.

#include "PadFixture.h"

namespace zotest {
namespace {

class PadMemories : public PadTest {
protected:
    bool ShowedOutOfRange(int message = 80) const
    {
        return ui.Boxes().size() == 1 && ui.Boxes()[0].text == func_GetMessage(message);
    }
};

TEST_F(PadMemories, ListsShowEverySlotWithItsAxisCaptionAndNoSlotStoresNothing)
{
    g_MemX[0] = "-1500.5";
    g_MemY[0] = "250";
    g_MemZ[19] = "3000";
    g_MemTIRF[4] = "12.5";
    Load();
    for (const char* list : {"cboXY", "cboZ", "cboPiezo", "cboTIRF"})
        ASSERT_EQ(List(list)->count(), 20) << list;
    EXPECT_EQ(std::tuple(Entry("cboXY", 0), Entry("cboXY", 1), Entry("cboZ", 19), Entry("cboPiezo", 0), Entry("cboTIRF", 4)),
              std::tuple("1:X:-1500.5Y:250", "2:X:Y:", "20:Z:3000", "1:PZ:", "5:TIRF:12.5"));
    EXPECT_EQ(List("cboZ")->selectedIndex(), -1) << "nothing is chosen until the user picks a slot";

    const auto before = std::make_tuple(g_MemX, g_MemY, g_MemZ, g_MemPiezo, g_MemTIRF);
    const auto lists = [&] { return std::tuple(Entries("cboXY"), Entries("cboZ"), Entries("cboPiezo"), Entries("cboTIRF")); };
    const auto shown = lists();
    for (const char* store : {"picMemXY", "picMemZ", "picMemPiezo", "picMemTIRF"})
        Click(store);
    pad->picMEMZ_Click();
    EXPECT_EQ(std::make_tuple(g_MemX, g_MemY, g_MemZ, g_MemPiezo, g_MemTIRF), before);
    EXPECT_EQ(std::tuple(lists(), ui.Boxes().size(), WritesSinceMark().size()), std::tuple(shown, 0u, 0u));
}

TEST_F(PadMemories, AStoreKeepsTheShownPositionAndARecallLandsOnIt)
{
    Load();
    Select("cboZ", 2);
    EXPECT_TRUE(WritesSinceMark().empty()) << "picking an empty slot moves nothing";
    // Z stands at 120000 units of 25 nm: the pad shows 3000 um.
    Click("picMemZ");
    EXPECT_EQ(std::tuple(g_MemZ[2], Entry("cboZ", 2), List("cboZ")->selectedIndex(), ui.Boxes().size()),
              std::tuple("3000", "3:Z:3000", 2, 0u));
    EXPECT_TRUE(WritesSinceMark().empty()) << "a store moves nothing";

    scope().ZDrive().MoveAbsolute(200000);
    SettleAndMark();
    Select("cboZ", 2);
    ExpectWrites({"ZDrive.MoveAbsolute(120000)"});
}

TEST_F(PadMemories, AFailingRecallLeavesEveryWindowEnabled)
{
    g_MemPiezo[0] = "50";
    Load();
    Click("picStage");
    sim->control().FailCall("PiezoZ", "MoveAbsolute", ZOSCOPELib::NotAnswering);
    Select("cboPiezo", 0);
    EXPECT_EQ(LinesContaining(traceFile, "PiezoZ.MoveAbsolute(2000) !! 1004").size(), 1u);
    EXPECT_EQ(std::tuple(pad->isEnabled(), pad->StageWindow()->isEnabled(), ui.BusyPointer(), ui.Boxes().size()),
              std::tuple(true, true, std::vector<bool>{true, false}, 0u));
}

TEST_F(PadMemories, AnXYEntryMovesBothAxesToItsTwoValues)
{
    g_MemX[1] = "-1500.5";
    g_MemY[1] = "250";
    Load();
    Select("cboXY", 1);
    ExpectWrites({"XAxis.MoveAbsolute(-15005)", "YAxis.MoveAbsolute(2500)"});
    // An entry with only one of the two values is no position.
    g_MemY[1] = "";
    pad->sub_SetMemoryXY();
    MarkTrace();
    Select("cboXY", 1);
    EXPECT_TRUE(WritesSinceMark().empty());
}

// A Z store beyond the drive is refused with message 80 and changes nothing
// (StageWindow); the limit itself is inside, and XY needs both axes inside.
TEST_F(PadMemories, AStoreAtTheLimitIsKeptAndAnXYStoreNeedsBothAxesInside)
{
    Load();
    Select("cboZ", 4);
    ui.ClearRecord();
    // The pad shows a focus at the drive's upper limit (320000 units).
    pad->FlushReadouts();
    auto* spin = Find<usrZspin>("spnStageZ");
    spin->setMaximum(20000);
    spin->setPosition(8000);
    Click("picMemZ");
    EXPECT_EQ(std::tuple(ui.Boxes().size(), g_MemZ[4]), std::tuple(0u, "8000"));

    // Y reaches -38 mm.
    Select("cboXY", 0);
    auto* xy = Find<usrXYspin>("spnStageXY");
    xy->setYMinimum(-100000);
    xy->setYPosition(-38000.1);
    Click("picMemXY");
    EXPECT_EQ(std::tuple(ShowedOutOfRange(), g_MemX[0], g_MemY[0], Entry("cboXY", 0)), std::tuple(true, "", "", "1:X:Y:"));
}

TEST_F(PadMemories, ARecallBeyondAnyDrivesReachShowsMessage82AndSendsNothing)
{
    // One unit beyond each drive's limits, in display units.
    g_MemX[0] = "57000.1";
    g_MemY[0] = "0";
    g_MemX[1] = "0";
    g_MemY[1] = "-38000.1";
    g_MemZ[0] = "8000.05";
    g_MemPiezo[0] = "100.05";
    g_MemTIRF[0] = "1200.1";
    Load();
    const std::pair<const char*, int> recalls[] = {{"cboXY", 0}, {"cboXY", 1}, {"cboZ", 0}, {"cboPiezo", 0}, {"cboTIRF", 0}};
    for (const auto& [list, slot] : recalls) {
        ui.ClearRecord();
        MarkTrace();
        Select(list, slot);
        EXPECT_EQ(std::tuple(ShowedOutOfRange(82), WritesSinceMark().size(), pad->Panels()->isEnabled()),
                  std::tuple(true, 0u, true)) << list << " " << slot;
    }
}

TEST_F(PadMemories, ATIRFEntryOf12Point5RecallsDevicePosition125)
{
    g_MemTIRF[0] = "12.5";
    Load();
    Select("cboTIRF", 0);
    ExpectWrites({"TIRF.MoveAbsolute(125)"});
}

TEST_F(PadMemories, RebuildingAListKeepsItsSelectionAndMovesNothing)
{
    g_MemX[4] = "10";
    g_MemY[4] = "20";
    Load();
    Select("cboXY", 4);
    SettleAndMark();
    // Another window changed the table.
    g_MemX[4] = "11";
    pad->sub_SetMemoryXY();
    EXPECT_EQ(std::tuple(List("cboXY")->selectedIndex(), Entry("cboXY", 4)), std::tuple(4, "5:X:11Y:20"));
    EXPECT_TRUE(WritesSinceMark().empty()) << "restoring the selection is no recall";
}

TEST_F(PadMemories, TheFKSMemoriesOfTwoNosepiecePositionsAreIndependent)
{
    Load();
    for (const auto& [position, offset] : {std::pair{4, 1200}, {5, 3400}}) {
        Select("cboOBJ", position - 1);
        sim->Settle();
        scope().FKSUnit().Offset().MoveAbsolute(offset);
        sim->Settle();
        Click("picMemFKS");
    }
    EXPECT_EQ(std::tuple(g_MemFKS[3], g_MemFKS[4], g_MemFKS[0]), std::tuple(1200.0, 3400.0, 0.0));
    // Back on position 4 the recall brings that position's offset.
    Select("cboOBJ", 3);
    SettleAndMark();
    ui.ClearRecord();
    Click("picRecallFKS");
    ExpectWrites({".MoveAbsolute(1200)"});
    EXPECT_EQ(std::tuple(ui.BusyPointer(), pad->isEnabled()), std::tuple(std::vector<bool>{true, false}, true));
    sim->Settle();
    EXPECT_EQ(scope().FKSUnit().Offset().Position()->Value(), 1200);
}

} // namespace
} // namespace zotest

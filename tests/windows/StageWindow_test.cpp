// The stage window: mounted groups, map area, linked selection and moves,
// stores and moves the drives cannot take.

#include "WindowFixture.h"

#include "windows/MapPiezoCtl.h"
#include "windows/MapXYCtl.h"
#include "windows/MapZCtl.h"
#include "windows/StagePiezoCtl.h"
#include "windows/StageXYCtl.h"
#include "windows/StageZCtl.h"

#include <QCheckBox>
#include <QLabel>

namespace zotest {
namespace {

class StageWindow : public WindowTest {};

TEST_F(StageWindow, MountedGroupsWidenTheWindowAndTheMapButtonAddsTheMapArea)
{
    frmStage& stage = Stage();
    const int full = stage.width();
    EXPECT_EQ(std::tuple(stage.isVisible(), stage.height(), stage.fraMap->isHidden()),
              std::tuple(true, 280, true)); // 4200 twips
    Press(stage, "picMapDown");
    EXPECT_EQ(std::tuple(stage.height(), stage.fraMap->isHidden()), std::tuple(467, false)); // 7000 twips
    Press(stage, "picMapDown");
    EXPECT_EQ(stage.height(), 280);
    // A change of language reaches the captions through the windows' refresh.
    g_LangFrmStage.ChkAllLink = "Link";
    g_LangFrmStage.TxtZStage = "Focus";
    QMetaObject::invokeMethod(&stage, "sub_RefreshLanguage");
    EXPECT_EQ(std::tuple(stage.chkLink->text().toStdString(), In<QLabel>(stage, "picZStage")->text().toStdString()),
              std::tuple("Link", "Focus"));

    // Without the piezo stage the window loses its column less the border
    // the columns share: (2415 - 15) twips.
    pad.reset();
    Load("[Mounted]\nPiezoZ = 0\n");
    frmStage& narrow = Stage();
    EXPECT_EQ(std::tuple(full - narrow.width(), narrow.StagePiezoCtl1->isHidden(), narrow.MapPiezoCtl1->isHidden(),
                         narrow.StageZCtl1->isHidden()),
              std::tuple(160, true, true, false));
}

TEST_F(StageWindow, AllLinkSelectsOneSlotEverywhereAndMovesXYThenZThenPiezoWithTheTargetsBlinking)
{
    g_MemX[2] = "100";
    g_MemY[2] = "-200";
    g_MemZ[1] = "3100";
    g_MemZ[2] = "3500";
    g_MemPiezo[2] = "40";
    frmStage& stage = Stage();
    Press(stage, "picMapDown");

    // Unlinked, a choice stays in its column; the link box then takes it
    // into every column.
    Pick(stage, "lstZ", {2});
    EXPECT_EQ(stage.StageXYCtl1->ListPosition(), -1);
    stage.chkLink->click();
    EXPECT_EQ(std::tuple(stage.StageXYCtl1->ListPosition(), stage.StagePiezoCtl1->ListPosition()), std::tuple(2, 2));
    Pick(stage, "lstPiezo", {1});
    EXPECT_EQ(std::tuple(stage.StageXYCtl1->ListPosition(), stage.StageZCtl1->ListPosition()), std::tuple(1, 1));
    Pick(stage, "lstZ", {2});

    Press(stage, "picMovePiezo");
    ExpectWrites({"XAxis.MoveAbsolute(1000)", "YAxis.MoveAbsolute(-2000)", "ZDrive.MoveAbsolute(140000)",
                  "PiezoZ.MoveAbsolute(1600)"});
    MapZCtl& z = *stage.MapZCtl1;
    auto* target = In(z, "picPointZG");
    // The targets blink every 500 ms until the axis arrives.
    EXPECT_EQ(std::tuple(stage.MapXYCtl1->Flashing(), z.Flashing(), stage.MapPiezoCtl1->Flashing(), target->isVisible(),
                         In<QTimer>(z, "timView")->interval()),
              std::tuple(true, true, true, true, 500));
    z.timView_Timer();
    EXPECT_FALSE(target->isVisible());
    sim->Settle();
    z.FlushView();
    EXPECT_EQ(std::tuple(stage.MapXYCtl1->Flashing(), z.Flashing(), target->isVisible(),
                         In<QLabel>(z, "picZPos")->text().toStdString()),
              std::tuple(false, false, false, "3500.000 um"));

    // Unlinked again, a move button moves its own group only.
    stage.chkLink->click();
    Pick(stage, "lstZ", {1});
    SettleAndMark();
    Press(stage, "picMoveZ");
    ExpectWrites({"ZDrive.MoveAbsolute(124000)"});
}

TEST_F(StageWindow, TwoSelectedSlotsCanOnlyBeClearedAndAnEmptySlotCannotBeMovedTo)
{
    g_MemZ = {"1", "2", "3", "4"};
    frmStage& stage = Stage();
    const auto buttons = [&] {
        return std::tuple(Enabled(stage, "picMemZ"), Enabled(stage, "picMoveZ"), Enabled(stage, "picRestZ"));
    };
    EXPECT_EQ(buttons(), std::tuple(false, false, false));
    Pick(stage, "lstZ", {1, 3});
    EXPECT_EQ(buttons(), std::tuple(false, false, true));
    Pick(stage, "lstZ", {5});
    EXPECT_EQ(buttons(), std::tuple(true, false, true));
    Pick(stage, "lstZ", {0});
    EXPECT_EQ(buttons(), std::tuple(true, true, true));
}

TEST_F(StageWindow, StoresShowInBothListsAndWhatTheDriveCannotReachIsRefused)
{
    frmStage& stage = Stage();
    // Z stands at 120000 units of 25 nm: 3000 um.
    Pick(stage, "lstZ", {2});
    Press(stage, "picMemZ");
    EXPECT_EQ(std::tuple(g_MemZ[2], Item(stage, "lstZ", 2), Entry("cboZ", 2), Enabled(stage, "picMoveZ")),
              std::tuple("3000", "3:3000", "3:Z:3000", true));
    // The pad's store shows in the window, an XY entry in its fixed field.
    Select("cboXY", 4);
    Click("picMemXY");
    EXPECT_EQ(Item(stage, "lstXY", 4), "5:X:0         Y:0");

    ui.ClearRecord();
    pad->FlushReadouts();
    auto* spin = Find<usrZspin>("spnStageZ");
    spin->setMaximum(20000);
    spin->setPosition(8000.05); // beyond the Z drive's 320000 units
    Press(stage, "picMemZ");
    EXPECT_EQ(ui.BoxTexts(), std::vector<std::string>{func_GetMessage(80)});
    EXPECT_EQ(std::tuple(g_MemZ[2], WritesSinceMark().size()), std::tuple("3000", 0u));
}

TEST_F(StageWindow, AMoveTheInstrumentRefusesShowsNoTarget)
{
    g_MemZ[0] = "3500";
    frmStage& stage = Stage();
    sim->control().FailCall("ZDrive", "MoveAbsolute", ZOSCOPELib::NotAnswering);
    Pick(stage, "lstZ", {0});
    Press(stage, "picMoveZ");
    EXPECT_EQ(LinesContaining(traceFile, "ZDrive.MoveAbsolute(140000) !! 1004").size(), 1u);
    EXPECT_EQ(std::tuple(stage.MapZCtl1->Flashing(), In(*stage.MapZCtl1, "picPointZG")->isVisible()),
              std::tuple(false, false));
}

TEST_F(StageWindow, MapsFollowThePositionAndZoomAroundIt)
{
    g_Magnification = {1, 3, 6, 12, 25, 50, 100, 200, 400, 800};
    Load();
    scope().ZDrive().MoveAbsolute(80000);
    sim->Settle();
    frmStage& stage = Stage();
    Press(stage, "picMapDown");
    MapZCtl& z = *stage.MapZCtl1;
    auto* point = In(z, "picPointZ");
    // A quarter of the way up the drive's range.
    EXPECT_EQ(std::tuple(In<QLabel>(z, "picZPos")->text().toStdString(), point->y()),
              std::tuple("2000.000 um", 113)); // (2120 - 530 + 100) twips
    z.btnZoomIn_Click();
    EXPECT_EQ(std::tuple(point->y(), In<QLabel>(z, "lblLevel")->text().toStdString()), std::tuple(77, "2"));
    // The zoomed map shows 320000 / 3 units around 80000; 140000 lies beyond.
    scope().ZDrive().MoveAbsolute(140000);
    sim->Settle();
    z.FlushView();
    EXPECT_EQ(point->y(), 0);
}

} // namespace
} // namespace zotest

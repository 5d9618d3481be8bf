// Position memories on the pad: stores keep exactly what the pad shows and
// refuse what the drive cannot reach, recalls land on the stored position
// with every window that could start a second move disabled, the lists keep
// their selection when they are rebuilt, and the tables survive a restart.

#include "PadFixture.h"

#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "core/mdlSettings.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrPButton.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrXscrollZo.h"
#include "widgets/usrZspin.h"
#include "windows/frmStage.h"
#include "windows/frmTIRF.h"

namespace zotest {
namespace {

// Records when a window is disabled and enabled again.
class EnabledChanges : public QObject {
public:
    std::vector<std::string> log;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            log.push_back(watched->objectName().toStdString() +
                          (static_cast<QWidget*>(watched)->isEnabled() ? " on" : " off"));
        return false;
    }
};

class PadMemories : public PadTest {
protected:
    std::vector<std::string> ListTexts(const char* name)
    {
        std::vector<std::string> texts;
        auto* list = Find<usrComboBox>(name);
        for (int i = 0; i < list->count(); ++i)
            texts.push_back(list->itemText(i).toStdString());
        return texts;
    }

    bool ShowedOutOfRange() const
    {
        return ui.Boxes().size() == 1 && ui.Boxes()[0].text == func_GetMessage(80);
    }
};

TEST_F(PadMemories, ListsShowEverySlotWithItsAxisCaption)
{
    g_MemX[0] = "-1500.5";
    g_MemY[0] = "250";
    g_MemZ[19] = "3000";
    g_MemTIRF[4] = "12.5";
    Load();
    const std::vector<std::string> xy = ListTexts("cboXY");
    ASSERT_EQ(xy.size(), 20u);
    EXPECT_EQ(xy[0], "1:X:-1500.5Y:250");
    EXPECT_EQ(xy[1], "2:X:Y:");
    const std::vector<std::string> z = ListTexts("cboZ");
    ASSERT_EQ(z.size(), 20u);
    EXPECT_EQ(z[19], "20:Z:3000");
    EXPECT_EQ(ListTexts("cboPiezo")[0], "1:PZ:");
    EXPECT_EQ(ListTexts("cboTIRF")[4], "5:TIRF:12.5");
    // Nothing is chosen until the user picks a slot.
    EXPECT_EQ(Find<usrComboBox>("cboZ")->selectedIndex(), -1);
}

TEST_F(PadMemories, StoringWithNoSlotSelectedChangesNothing)
{
    Load();
    const auto before = std::make_tuple(g_MemX, g_MemY, g_MemZ, g_MemPiezo, g_MemTIRF);
    const std::vector<std::string> lists[] = {ListTexts("cboXY"), ListTexts("cboZ"), ListTexts("cboPiezo"),
                                              ListTexts("cboTIRF")};
    for (const char* store : {"picMemXY", "picMemZ", "picMemPiezo", "picMemTIRF"})
        Find<usrPButton>(store)->click();
    pad->picMEMZ_Click();
    EXPECT_EQ(std::make_tuple(g_MemX, g_MemY, g_MemZ, g_MemPiezo, g_MemTIRF), before);
    EXPECT_EQ(ListTexts("cboXY"), lists[0]);
    EXPECT_EQ(ListTexts("cboZ"), lists[1]);
    EXPECT_EQ(ListTexts("cboPiezo"), lists[2]);
    EXPECT_EQ(ListTexts("cboTIRF"), lists[3]);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_TRUE(WritesSinceMark().empty());
}

TEST_F(PadMemories, AStoreKeepsTheShownPositionAndARecallLandsOnIt)
{
    Load();
    auto* cboZ = Find<usrComboBox>("cboZ");
    // Picking an empty slot moves nothing.
    cboZ->setSelectedIndex(2);
    EXPECT_TRUE(WritesSinceMark().empty());

    // Z stands at 120000 units of 25 nm: the pad shows 3000 um.
    Find<usrPButton>("picMemZ")->click();
    EXPECT_EQ(g_MemZ[2], "3000");
    EXPECT_EQ(cboZ->itemText(2).toStdString(), "3:Z:3000");
    EXPECT_EQ(cboZ->selectedIndex(), 2);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_TRUE(WritesSinceMark().empty()) << "a store moves nothing";

    scope().ZDrive().MoveAbsolute(200000);
    sim->Settle();
    auto* stage = pad->findChild<usrPButton*>("picStage");
    stage->click();
    ASSERT_NE(pad->StageWindow(), nullptr);
    Find<usrPButton>("picTIRFAngle")->click();
    ASSERT_NE(pad->TIRFWindow(), nullptr);

    // The pad and both other windows are disabled around the move.
    EnabledChanges changes;
    for (QWidget* window : {static_cast<QWidget*>(pad.get()), static_cast<QWidget*>(pad->StageWindow()),
                            static_cast<QWidget*>(pad->TIRFWindow())})
        window->installEventFilter(&changes);
    MarkTrace();
    ui.ClearRecord();
    cboZ->setSelectedIndex(2);
    const std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("ZDrive.MoveAbsolute(120000)"), std::string::npos) << writes[0];
    EXPECT_EQ(changes.log, (std::vector<std::string>{"frmZoControl off", "frmStage off", "frmTIRF off",
                                                     "frmZoControl on", "frmStage on", "frmTIRF on"}));
    EXPECT_TRUE(pad->isEnabled());
    EXPECT_TRUE(pad->StageWindow()->isEnabled());
    EXPECT_TRUE(pad->TIRFWindow()->isEnabled());
    EXPECT_EQ(ui.BusyPointer(), (std::vector<bool>{true, false}));
    EXPECT_EQ(ui.Flushes(), 1);
    sim->Settle();
    EXPECT_EQ(scope().ZDrive().Position()->Value(), 120000);
}

TEST_F(PadMemories, AFailingRecallLeavesEveryWindowEnabled)
{
    g_MemPiezo[0] = "50";
    Load();
    Find<usrPButton>("picStage")->click();
    sim->control().FailCall("PiezoZ", "MoveAbsolute", ZOSCOPELib::NotAnswering);
    Find<usrComboBox>("cboPiezo")->setSelectedIndex(0);
    EXPECT_EQ(LinesContaining(traceFile, "PiezoZ.MoveAbsolute(2000) !! 1004").size(), 1u);
    EXPECT_TRUE(pad->isEnabled());
    EXPECT_TRUE(pad->StageWindow()->isEnabled());
    EXPECT_EQ(ui.BusyPointer(), (std::vector<bool>{true, false}));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(PadMemories, AnXYEntryMovesBothAxesToItsTwoValues)
{
    g_MemX[1] = "-1500.5";
    g_MemY[1] = "250";
    Load();
    Find<usrComboBox>("cboXY")->setSelectedIndex(1);
    const std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_NE(writes[0].find("XAxis.MoveAbsolute(-15005)"), std::string::npos) << writes[0];
    EXPECT_NE(writes[1].find("YAxis.MoveAbsolute(2500)"), std::string::npos) << writes[1];

    // An entry with only one of the two values is no position.
    g_MemY[1] = "";
    pad->sub_SetMemoryXY();
    MarkTrace();
    Find<usrComboBox>("cboXY")->setSelectedIndex(1);
    EXPECT_TRUE(WritesSinceMark().empty());
}

TEST_F(PadMemories, AStoreOutsideTheDrivesLimitsIsRefusedWithMessage80AndChangesNothing)
{
    g_MemZ[4] = "100";
    Load();
    auto* cboZ = Find<usrComboBox>("cboZ");
    cboZ->setSelectedIndex(4);
    sim->Settle();
    MarkTrace();
    ui.ClearRecord();
    const std::string entry = cboZ->itemText(4).toStdString();

    // The pad shows a focus beyond the drive's upper limit (320000 units).
    pad->FlushReadouts();
    auto* spin = Find<usrZspin>("spnStageZ");
    spin->setMaximum(20000);
    spin->setPosition(8000.05);
    Find<usrPButton>("picMemZ")->click();
    EXPECT_TRUE(ShowedOutOfRange()) << ui.BoxTexts().size();
    EXPECT_EQ(g_MemZ[4], "100");
    EXPECT_EQ(cboZ->itemText(4).toStdString(), entry);
    EXPECT_TRUE(WritesSinceMark().empty());

    // Exactly at the limit is still a position the drive reaches.
    ui.ClearRecord();
    spin->setPosition(8000);
    Find<usrPButton>("picMemZ")->click();
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(g_MemZ[4], "8000");
}

TEST_F(PadMemories, AnXYStoreIsRefusedWhenEitherAxisIsOutside)
{
    Load();
    auto* cboXY = Find<usrComboBox>("cboXY");
    cboXY->setSelectedIndex(0);
    pad->FlushReadouts();
    auto* spin = Find<usrXYspin>("spnStageXY");
    spin->setYMinimum(-100000);
    spin->setYPosition(-38000.1); // Y reaches -38 mm
    Find<usrPButton>("picMemXY")->click();
    EXPECT_TRUE(ShowedOutOfRange());
    EXPECT_EQ(g_MemX[0], "");
    EXPECT_EQ(g_MemY[0], "");
    EXPECT_EQ(cboXY->itemText(0).toStdString(), "1:X:Y:");
}

TEST_F(PadMemories, ATIRFEntryOf12Point5RecallsDevicePosition125)
{
    g_MemTIRF[0] = "12.5";
    g_MemTIRF[1] = "1200.1"; // one unit beyond the upper limit 12000
    Load();
    auto* cboTIRF = Find<usrComboBox>("cboTIRF");
    cboTIRF->setSelectedIndex(0);
    std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("TIRF.MoveAbsolute(125)"), std::string::npos) << writes[0];

    // Outside the limits the TIRF is not sent anywhere.
    MarkTrace();
    cboTIRF->setSelectedIndex(1);
    EXPECT_TRUE(WritesSinceMark().empty());
    EXPECT_TRUE(ShowedOutOfRange());
    EXPECT_TRUE(pad->isEnabled());
}

TEST_F(PadMemories, ATIRFStoreKeepsTheScrollBarsPositionInDisplayUnits)
{
    Load();
    scope().TIRF().MoveAbsolute(340);
    sim->Settle();
    auto* cboTIRF = Find<usrComboBox>("cboTIRF");
    cboTIRF->setSelectedIndex(4);
    Find<usrPButton>("picMemTIRF")->click();
    EXPECT_EQ(g_MemTIRF[4], "34");
    EXPECT_EQ(cboTIRF->itemText(4).toStdString(), "5:TIRF:34");
}

TEST_F(PadMemories, RebuildingAListKeepsItsSelectionAndMovesNothing)
{
    g_MemX[4] = "10";
    g_MemY[4] = "20";
    Load();
    auto* cboXY = Find<usrComboBox>("cboXY");
    cboXY->setSelectedIndex(4);
    sim->Settle();
    MarkTrace();
    // Another window changed the table.
    g_MemX[4] = "11";
    pad->sub_SetMemoryXY();
    EXPECT_EQ(cboXY->selectedIndex(), 4);
    EXPECT_EQ(cboXY->itemText(4).toStdString(), "5:X:11Y:20");
    EXPECT_TRUE(WritesSinceMark().empty()) << "restoring the selection is no recall";

    for (auto [name, rebuild] : {std::pair{"cboZ", &frmZoControl::sub_SetMemoryZ},
                                 std::pair{"cboPiezo", &frmZoControl::sub_SetMemoryPiezo},
                                 std::pair{"cboTIRF", &frmZoControl::sub_SetMemoryTIRF}}) {
        auto* list = Find<usrComboBox>(name);
        list->setSelectedIndex(7);
        ((*pad).*rebuild)();
        EXPECT_EQ(list->selectedIndex(), 7) << name;
        EXPECT_EQ(list->count(), 20) << name;
    }
    EXPECT_TRUE(WritesSinceMark().empty());
}

TEST_F(PadMemories, TheFKSMemoriesOfTwoNosepiecePositionsAreIndependent)
{
    Load();
    auto* obj = Find<usrComboBox>("cboOBJ");
    const auto storeAt = [&](int position, int32_t offset) {
        obj->setSelectedIndex(position - 1);
        sim->Settle();
        scope().FKSUnit().Offset().MoveAbsolute(offset);
        sim->Settle();
        Find<usrPButton>("picMemFKS")->click();
    };
    storeAt(4, 1200);
    storeAt(5, 3400);
    EXPECT_DOUBLE_EQ(g_MemFKS[3], 1200.0);
    EXPECT_DOUBLE_EQ(g_MemFKS[4], 3400.0);
    EXPECT_DOUBLE_EQ(g_MemFKS[0], 0.0);

    // Back on position 4 the recall brings that position's offset.
    obj->setSelectedIndex(3);
    sim->Settle();
    MarkTrace();
    ui.ClearRecord();
    Find<usrPButton>("picRecallFKS")->click();
    std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find(".MoveAbsolute(1200)"), std::string::npos) << writes[0];
    EXPECT_EQ(ui.BusyPointer(), (std::vector<bool>{true, false}));
    EXPECT_TRUE(pad->isEnabled());
    sim->Settle();
    EXPECT_EQ(scope().FKSUnit().Offset().Position()->Value(), 1200);
}

TEST_F(PadMemories, PositionReportsReachTheStageWindowOnceItIsOpen)
{
    Load();
    Find<usrPButton>("picStage")->click();
    frmStage* stage = pad->StageWindow();
    ASSERT_NE(stage, nullptr);
    scope().ZDrive().MoveAbsolute(130000);
    scope().XAxis().MoveAbsolute(-4000);
    sim->Settle();
    EXPECT_EQ(stage->AxisPosition(frmZoControl::AxisZ), 130000);
    EXPECT_EQ(stage->AxisPosition(frmZoControl::AxisX), -4000);
    pad->FlushReadouts();
    EXPECT_DOUBLE_EQ(Find<usrZspin>("spnStageZ")->position(), 3250.0);
}

TEST_F(PadMemories, MemoriesWrittenAtExitAreTheSameTextsAtTheNextStart)
{
    g_MemX[0] = "-1500.5";
    g_MemY[0] = "250";
    g_MemPiezo[9] = "12.025";
    g_MemTIRF[19] = "0.1";
    Load();
    Find<usrComboBox>("cboZ")->setSelectedIndex(2);
    Find<usrPButton>("picMemZ")->click();
    Find<usrComboBox>("cboOBJ")->setSelectedIndex(1);
    sim->Settle();
    scope().FKSUnit().Offset().MoveAbsolute(2345);
    sim->Settle();
    Find<usrPButton>("picMemFKS")->click();
    const char* lists[] = {"cboXY", "cboZ", "cboPiezo", "cboTIRF"};
    std::vector<std::vector<std::string>> before;
    for (const char* name : lists)
        before.push_back(ListTexts(name));
    const std::array<double, 6> fks = g_MemFKS;

    pad->sub_Unload(); // writes the settings file
    ResetSettingsVariables();
    EXPECT_EQ(g_MemZ[2], "");
    sub_ReadControlIni();
    Load();
    for (std::size_t i = 0; i < std::size(lists); ++i)
        EXPECT_EQ(ListTexts(lists[i]), before[i]) << lists[i];
    EXPECT_EQ(g_MemZ[2], "3000");
    EXPECT_EQ(g_MemFKS, fks);
    EXPECT_DOUBLE_EQ(g_MemFKS[1], 2345.0);
}

} // namespace
} // namespace zotest

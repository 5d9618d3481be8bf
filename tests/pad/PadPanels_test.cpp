// The control pad on a simulated microscope: panels follow the instrument,
// a user's choice becomes exactly one command, the pad never sends its own
// updates back, and failures leave it usable.

#include "PadFixture.h"

#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "model/clsCondenser.h"
#include "model/clsConnectFilter.h"
#include "model/clsEXFilter.h"
#include "pad/LayoutEngine.h"
#include "pad/PadListTexts.h"
#include "settings/frmSettingMain.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrPButton.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrXscrollZo.h"
#include "widgets/usrZspin.h"
#include "windows/frmStage.h"
#include "windows/frmTIRF.h"

#include <QLineEdit>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <QCloseEvent>

namespace zotest {
namespace {

using ZOSCOPELib::NotAnswering;

class PadPanels : public PadTest {};

TEST_F(PadPanels, LoadingShowsEveryDeviceAsTheInstrumentHasItAndSendsNothing)
{
    Load();
    EXPECT_TRUE(WritesSinceMark().empty());
    auto* obj = Find<usrComboBox>("cboOBJ");
    ASSERT_EQ(obj->count(), 6);
    EXPECT_EQ(obj->selectedIndex(), scope().Nosepiece().Position()->Value() - 1);
    // Built-in objectives: model, magnification, aperture, type, FKS text.
    EXPECT_EQ(obj->itemText(0).toStdString(), "1: Plan Achromat 4x/ 0.1 Dry No FKS");
    EXPECT_EQ(obj->itemText(3).toStdString(), "4: Plan Fluorite 40x/ 0.75 Dry FKS");
    EXPECT_EQ(pad->ObjectiveMagnification(1), 4);
    EXPECT_EQ(pad->ObjectiveMagnification(4), 40);
    EXPECT_DOUBLE_EQ(pad->ObjectiveNA(4), 0.75);

    auto* condenser = Find<usrComboBox>("cboCON");
    ASSERT_EQ(condenser->count(), 5);
    EXPECT_EQ(condenser->itemText(1).toStdString(), "2: Ph1");
    EXPECT_EQ(Find<usrComboBox>("cboEX")->count(), 8);
    EXPECT_EQ(Find<usrComboBox>("cboBA")->itemText(0).toStdString(), "1: 447/60");

    // Light-path ports by the kind the device reports, ND names from the language file.
    auto* path = Find<usrComboBox>("cboPath");
    ASSERT_EQ(path->count(), 4);
    EXPECT_EQ(path->itemText(0).toStdString(), g_LangFrmZoControl.CboPath[1]);
    EXPECT_EQ(path->itemText(3).toStdString(), g_LangFrmZoControl.CboPath[4]);
    auto* nd = Find<usrComboBox>("cboIrlux");
    ASSERT_EQ(nd->count(), 6);
    EXPECT_EQ(nd->itemText(5).toStdString(), g_LangFrmZoControl.CboIrlxu[6]);

    auto* modes = Find<usrComboBox>("cboCHGMode");
    ASSERT_EQ(modes->count(), 3);
    EXPECT_EQ(modes->itemText(2).toStdString(), "3:GFP");
    EXPECT_EQ(modes->selectedIndex(), -1);

    // Shutters closed, the DIA shutter's button shows state 2.
    EXPECT_EQ(Find<usrMPButton>("chkDIAShutter")->state(), scope().DiaShutter().IsOpened()->Value() == 1 ? 1 : 2);

    // Stage readouts in display units (device value x Resolution / 1000).
    pad->FlushReadouts();
    EXPECT_DOUBLE_EQ(Find<usrZspin>("spnStageZ")->position(), 120000 * 0.025);
    EXPECT_DOUBLE_EQ(Find<usrZspin>("spnStageZ")->minimum(), 0.0);
    EXPECT_DOUBLE_EQ(Find<usrZspin>("spnStageZ")->maximum(), 320000 * 0.025);
    EXPECT_DOUBLE_EQ(Find<usrXYspin>("spnStageXY")->xMaximum(), 570000 * 0.1);
    EXPECT_DOUBLE_EQ(pad->DisplayFactor(frmZoControl::AxisZ), 0.025);
    EXPECT_EQ(Find<QLineEdit>("txtZ")->text().toStdString(), "Z: 3000 µm");
}

TEST_F(PadPanels, InitialisationAdvancesTheSplashAndKeepsTheHourglassUntilItEnds)
{
    Load();
    Find<usrPButton>("picStatus")->click();
    EXPECT_EQ(ui.Progress(), (std::vector<int>{65, 70, 75, 80, 85, 90, 100}));
    ASSERT_FALSE(ui.BusyPointer().empty());
    EXPECT_TRUE(ui.BusyPointer().front());
    EXPECT_FALSE(ui.BusyPointer().back());
    // Nothing moves; the stage drives only get their speed and tolerance back.
    for (const std::string& write : WritesSinceMark())
        EXPECT_TRUE(write.find(".SetSpeed(") != std::string::npos || write.find(".SetTolerance(") != std::string::npos)
            << write;
}

TEST_F(PadPanels, APositionEventSelectsTheEntryAndAPositionOfZeroChangesNothing)
{
    Load();
    auto* obj = Find<usrComboBox>("cboOBJ");
    ASSERT_EQ(obj->selectedIndex(), 0);
    // Moved at the microscope: the turret reports 0 while it turns.
    scope().Nosepiece().SetPosition(4);
    EXPECT_EQ(scope().Nosepiece().Position()->Value(), 0);
    EXPECT_EQ(obj->selectedIndex(), 0);
    EXPECT_EQ(obj->text(), obj->itemText(0));
    sim->Settle();
    EXPECT_EQ(obj->selectedIndex(), 3);
    EXPECT_EQ(obj->text(), obj->itemText(3));
    // Only the test's own move reached the instrument.
    EXPECT_EQ(WritesSinceMark().size(), 1u);
}

TEST_F(PadPanels, ASelectionIsOneCommandAndTheArrivingPositionIsNotSentBack)
{
    Load();
    auto* condenser = Find<usrComboBox>("cboCON");
    condenser->setSelectedIndex(2);
    std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("Condenser.SetPosition(3)"), std::string::npos) << writes[0];
    EXPECT_EQ(ui.BusyPointer(), (std::vector<bool>{true, false}));
    EXPECT_EQ(ui.Flushes(), 1);
    EXPECT_TRUE(pad->isEnabled());

    sim->Settle();
    EXPECT_EQ(scope().Condenser().Position()->Value(), 3);
    EXPECT_EQ(condenser->selectedIndex(), 2);
    EXPECT_EQ(WritesSinceMark().size(), 1u);
}

TEST_F(PadPanels, RebuildingTheObjectiveListKeepsTheSelectionAndSendsNothing)
{
    Load();
    auto* obj = Find<usrComboBox>("cboOBJ");
    scope().Nosepiece().SetPosition(3);
    sim->Settle();
    MarkTrace();
    // A configuration change at the instrument: the list is rebuilt.
    scope().Nosepiece().Item(3).SetCode(20);
    EXPECT_EQ(obj->itemText(2).toStdString(), "3: Plan Apochromat 60x/ 1.4 Oil FKS TIRF");
    EXPECT_EQ(obj->selectedIndex(), 2);
    const std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u) << "only the test's own code change";
    EXPECT_NE(writes[0].find("SetCode"), std::string::npos);
}

TEST_F(PadPanels, ObjectivesTheDatabaseDoesNotDescribeShowAtMost25Characters)
{
    Load("[Database.Objectives]\n"
         "301 = A very long name for my objective|3|2|6|1|5|0.13|1.40|0|2\n"
         "[Nosepiece]\n"
         "Codes = 301,3,5,12,20,0\n");
    auto* obj = Find<usrComboBox>("cboOBJ");
    const std::string user = obj->itemText(0).toStdString();
    EXPECT_EQ(user, "1: A very long name for m");
    EXPECT_EQ(user.size(), kObjectiveNameLength);
    EXPECT_EQ(obj->itemText(5).toStdString(), "6: ");
    EXPECT_EQ(pad->ObjectiveMagnification(1), 0);
    EXPECT_EQ(pad->ObjectiveMagnification(6), 0);
    EXPECT_EQ(pad->ObjectiveMagnification(2), 10);
}

TEST_F(PadPanels, WithTheTurretsExchangedTheFirstFilterRowDrivesAndFollowsTurret2)
{
    // Turret 1 at the first level of the mount: the first row is turret 2.
    Load();
    ASSERT_TRUE(g_Zo->ConnectFilter->FilterPosition());
    auto* first = Find<usrComboBox>("cboFL1");
    auto* second = Find<usrComboBox>("cboFL2");
    EXPECT_EQ(first->itemText(0).toStdString(), "1: CFP");
    EXPECT_EQ(second->itemText(0).toStdString(), "1: DAPI");
    EXPECT_EQ(Find<usrPButton>("picFL1")->toolTip().toStdString(), g_LangDeviceName.DeviceNames[9]);

    first->setSelectedIndex(3);
    const std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("FilterTurret2.SetPosition(4)"), std::string::npos) << writes[0];
    sim->Settle();
    EXPECT_EQ(scope().FilterTurret2().Position()->Value(), 4);
    EXPECT_EQ(scope().FilterTurret1().Position()->Value(), 1);

    scope().FilterTurret2().SetPosition(2);
    sim->Settle();
    EXPECT_EQ(first->selectedIndex(), 1);
    EXPECT_EQ(second->selectedIndex(), 0);
    scope().FilterTurret1().SetPosition(5);
    sim->Settle();
    EXPECT_EQ(second->selectedIndex(), 4);
    EXPECT_EQ(first->selectedIndex(), 1);

    // The model's filter items stay turret 1 and turret 2.
    EXPECT_EQ(pad->func_PadParameter(clsPadParameters::FL1)->Value(), 5);
    EXPECT_EQ(pad->func_PadParameter(clsPadParameters::FL2)->Value(), 2);
}

TEST_F(PadPanels, InTheUsualTurretOrderTheFirstFilterRowIsTurret1)
{
    Load("[FilterTurret1]\nLevel = 2\n[FilterTurret2]\nLevel = 1\n");
    ASSERT_FALSE(g_Zo->ConnectFilter->FilterPosition());
    Find<usrComboBox>("cboFL1")->setSelectedIndex(1);
    const std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("FilterTurret1.SetPosition(2)"), std::string::npos) << writes[0];
    EXPECT_EQ(Find<usrPButton>("picFL1")->toolTip().toStdString(), g_LangDeviceName.DeviceNames[8]);
}

TEST_F(PadPanels, AnUnmountedDeviceKeepsItsPanelHiddenWhateverItsSwitch)
{
    Load("[Mounted]\nCondenser = 0\nTIRF = 0\n");
    ASSERT_TRUE(ControlVisible[19]);
    for (const char* name : {"picCON", "cboCON", "chkTIRF", "sbTIRFAngle", "cboTIRF", "picTIRFAngle"})
        EXPECT_TRUE(Find(name)->isHidden()) << name;
    EXPECT_FALSE(Find("cboOBJ")->isHidden());

    // The switch hides a mounted device as well, and nothing else.
    ControlVisible[51] = false;
    pad->sub_SetVisible();
    EXPECT_TRUE(Find("cboOBJ")->isHidden());
    EXPECT_FALSE(Find("picOBJ")->isHidden());
    // Never a command to a device that is not there.
    Find<usrComboBox>("cboCON")->setSelectedIndex(1);
    EXPECT_TRUE(WritesSinceMark().empty());
}

TEST_F(PadPanels, InGroupedLayoutsASwitchedOffFrameHidesItsGroup)
{
    g_ChangeGui = 1;
    g_LayoutType = 4;
    Load();
    EXPECT_FALSE(Find("chkDIAShutter")->isHidden());
    ControlVisible[64] = false; // fraDIA
    pad->sub_SetVisible();
    for (const char* name : {"fraDIA", "chkDIAShutter", "cboCON", "sbDIALamp"})
        EXPECT_TRUE(Find(name)->isHidden()) << name;
    EXPECT_FALSE(Find("cboFL1")->isHidden());
    // Outside the grouped layouts the frame's switch hides the frame only.
    g_LayoutType = 3;
    pad->sub_SetVisible();
    EXPECT_TRUE(Find("fraDIA")->isHidden());
    EXPECT_FALSE(Find("chkDIAShutter")->isHidden());
}

TEST_F(PadPanels, ShuttersOpenAndCloseWithOneCommandAndFollowTheInstrument)
{
    Load();
    auto* shutter = Find<usrMPButton>("chkDIAShutter");
    ASSERT_EQ(shutter->state(), 2);
    shutter->click();
    std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("DiaShutter.Open()"), std::string::npos) << writes[0];
    EXPECT_EQ(scope().DiaShutter().IsOpened()->Value(), 1);
    EXPECT_EQ(shutter->state(), 1);

    scope().DiaShutter().Close();
    EXPECT_EQ(shutter->state(), 2);
    EXPECT_EQ(WritesSinceMark().size(), 2u);

    auto* analyzer = Find<usrMPButton>("chkAnlyz");
    analyzer->click();
    EXPECT_EQ(scope().Analyzer().IsInserted()->Value(), analyzer->state() == 1 ? 1 : 0);
}

TEST_F(PadPanels, TheDIALampObeysItsControlSwitch)
{
    Load();
    auto* lamp = Find<usrMPButton>("chkDIALamp");
    auto* level = Find<usrXscrollZo>("sbDIALamp");
    scope().DiaLamp().SetControlSwitch(1);
    scope().DiaLamp().On();
    EXPECT_EQ(lamp->state(), 1);
    EXPECT_TRUE(lamp->isEnabled());
    EXPECT_TRUE(level->isEnabled());
    // The bar shows half the lamp's value, and sends twice its own.
    scope().DiaLamp().SetValue(8);
    EXPECT_DOUBLE_EQ(level->value(), 4.0);
    MarkTrace();
    emit level->changed(5.0);
    EXPECT_EQ(scope().DiaLamp().Value()->Value(), 10);
    EXPECT_DOUBLE_EQ(level->value(), 4.0) << "the user's bar is not moved by its own command";
    EXPECT_EQ(WritesSinceMark().size(), 1u);

    // The microscope's own knob: both controls are disabled.
    scope().DiaLamp().SetControlSwitch(0);
    EXPECT_FALSE(lamp->isEnabled());
    EXPECT_FALSE(level->isEnabled());
    MarkTrace();
    Find<usrPButton>("picCNTLDia")->click();
    EXPECT_EQ(scope().DiaLamp().ControlSwitch()->Value(), 1);
    EXPECT_TRUE(lamp->isEnabled());

    scope().DiaLamp().Off();
    EXPECT_EQ(lamp->state(), 2);
    EXPECT_FALSE(level->isEnabled());
}

TEST_F(PadPanels, FocusKeepingAndTIRFFollowTheirDevices)
{
    Load();
    auto* fks = Find<usrMPButton>("chkFKS");
    auto* offset = Find<usrXscrollZo>("sbFKS");
    scope().FKSUnit().On();
    EXPECT_EQ(fks->state(), 1);
    EXPECT_TRUE(offset->isEnabled());
    scope().FKSUnit().Off();
    EXPECT_EQ(fks->state(), 2);
    EXPECT_FALSE(offset->isEnabled());

    auto* angle = Find<usrXscrollZo>("sbTIRFAngle");
    EXPECT_DOUBLE_EQ(angle->maximum(), 1200.0);
    EXPECT_DOUBLE_EQ(angle->smallStep(), 0.1);
    MarkTrace();
    emit angle->changed(12.5);
    const std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("TIRF.MoveAbsolute(125)"), std::string::npos) << writes[0];
    sim->Settle();
    pad->FlushReadouts();
    EXPECT_DOUBLE_EQ(angle->value(), 12.5);

    // The step button picks the TIRF increments of the settings file.
    g_IncrementValue[saTIRF] = {"1", "5", "50"};
    Find<usrMPButton>("btnStageTIRF")->click();
    EXPECT_DOUBLE_EQ(angle->smallStep(), 0.5);
}

TEST_F(PadPanels, ChoosingAnObservationModeAppliesItByName)
{
    Load();
    Find<usrComboBox>("cboCHGMode")->setSelectedIndex(1);
    const std::vector<std::string> writes = WritesSinceMark();
    ASSERT_FALSE(writes.empty());
    // The mode's own moves come first in the trace: a call is traced when it returns.
    EXPECT_NE(writes.back().find("ObservationModes.ApplyMode(\"PH\")"), std::string::npos) << writes.back();
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(),
                            [](const std::string& w) { return w.find("ApplyMode") != std::string::npos; }),
              1);
    EXPECT_TRUE(pad->isEnabled());
}

TEST_F(PadPanels, WithEveryCallFailingEveryControlLeavesThePadUsable)
{
    Load();
    sim->control().FailCall("*", "*", NotAnswering);
    ui.SetDefaultAnswer(UiServices::MB_YESNO_QUESTION, UiServices::ID_NO); // picExit is asked and stays
    for (auto* list : pad->findChildren<usrComboBox*>())
        for (int i = 0; i < list->count(); ++i)
            list->setSelectedIndex(i);
    for (auto* button : pad->findChildren<usrPButton*>())
        button->click();
    for (auto* bar : pad->findChildren<usrXscrollZo*>()) {
        emit bar->changed(bar->maximum());
        emit bar->scrolled(bar->minimum());
        emit bar->mouseReleased(bar->minimum());
    }
    sim->Run(200);
    EXPECT_TRUE(pad->isEnabled());
    ASSERT_FALSE(ui.BusyPointer().empty());
    EXPECT_FALSE(ui.BusyPointer().back());
    EXPECT_EQ(std::count(ui.BusyPointer().begin(), ui.BusyPointer().end(), true),
              std::count(ui.BusyPointer().begin(), ui.BusyPointer().end(), false));
    EXPECT_TRUE(host.steps.empty()) << "nothing closed the program";
    if (pad->SettingWindow())
        pad->SettingWindow()->close();
}

TEST_F(PadPanels, PluggingAShutterInOrOutUpdatesTheModelAndThePanel)
{
    Load();
    constexpr int kEpi = 3;
    ASSERT_FALSE(Find("chkEpi")->isHidden());
    sim->control().Plug(kEpi, false);
    EXPECT_EQ(g_Zo->IsMounted(kEpi), 0);
    EXPECT_TRUE(Find("chkEpi")->isHidden());
    sim->control().Plug(kEpi, true);
    EXPECT_EQ(g_Zo->IsMounted(kEpi), 1);
    EXPECT_FALSE(Find("chkEpi")->isHidden());
    EXPECT_TRUE(ui.Boxes().empty());
    // Plugging is not a command of the pad's.
    EXPECT_TRUE(WritesSinceMark().empty());
}

TEST_F(PadPanels, AShutterCheckThatFailsIsReportedWithMessage12AndThePadGoesOn)
{
    Load();
    sim->control().FailCall("AuxShutter", "GetConnection", NotAnswering, 1);
    sim->control().Plug(3, false);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text.rfind(func_GetMessage(12), 0), 0u) << ui.Boxes()[0].text;
    EXPECT_GT(ui.Boxes()[0].text.size(), func_GetMessage(12).size()) << "the check's own text follows";
    EXPECT_TRUE(Find("chkEpi")->isHidden());
    EXPECT_TRUE(pad->isEnabled());
}

TEST_F(PadPanels, AfterASettingsChangeOnlyTheDevicesWhoseFlagIsSetAreReadAgain)
{
    Load();
    auto* condenser = Find<usrComboBox>("cboCON");
    auto* wheel = Find<usrComboBox>("cboEX");
    ASSERT_EQ(condenser->itemText(0).toStdString(), "1: Open");
    // The settings dialog writes new codes; the instrument's own reports are
    // switched off here, so only the re-read can bring them to the pad.
    pad->m_mipCon.Release();
    pad->m_mipEX.Release();
    g_Zo->Condenser->SetCode(0, 4);
    g_Zo->EXFilter->SetCode(0, 5);
    EXPECT_EQ(g_Zo->Condenser->func_WriteSdk(), "");
    EXPECT_EQ(g_Zo->EXFilter->func_WriteSdk(), "");
    ASSERT_TRUE(g_RefreshCondenser);
    g_RefreshEXFilter = false; // as if only the condenser had changed

    pad->sub_ReadStatus();
    EXPECT_EQ(condenser->itemText(0).toStdString(), "1: Ph3");
    EXPECT_EQ(wheel->itemText(0).toStdString(), "1: 340/26") << "not re-read without its flag";
    EXPECT_FALSE(g_RefreshCondenser);
    EXPECT_TRUE(pad->m_mipCon.IsBound());
    EXPECT_EQ(ui.BusyPointer(), (std::vector<bool>{true, false}));
}

TEST_F(PadPanels, ALanguageChangeReachesThePadByName)
{
    Load();
    g_LangFrmZoControl.BtnExit = "Leave";
    g_LangFrmZoControl.CboPath[1] = "Ocular";
    ASSERT_TRUE(QMetaObject::invokeMethod(pad.get(), "sub_RefreshLanguage"));
    EXPECT_EQ(Find<usrPButton>("picExit")->text(), "Leave");
    EXPECT_EQ(Find<usrComboBox>("cboPath")->itemText(0), "Ocular");
    EXPECT_TRUE(WritesSinceMark().empty());
    sub_ReadLanguage();
}

TEST_F(PadPanels, ACameraControllerPluggedInIsMounted)
{
    Load();
    constexpr int kKMX2 = 19;
    ASSERT_EQ(g_Zo->IsMounted(kKMX2), scope().KMX2().IsMounted()->Value());
    const int32_t before = g_Zo->IsMounted(kKMX2);
    sim->control().Plug(kKMX2, before == 0);
    EXPECT_EQ(g_Zo->IsMounted(kKMX2), before == 0 ? 1 : 0);
}

TEST_F(PadPanels, ReleasedMembersNoLongerFollowTheInstrument)
{
    Load();
    auto* obj = Find<usrComboBox>("cboOBJ");
    pad->sub_ReleaseParameters();
    EXPECT_FALSE(pad->m_mipNosepisePos.IsBound());
    EXPECT_EQ(pad->func_PadParameter(clsPadParameters::NosepiecePos), nullptr);
    scope().Nosepiece().SetPosition(5);
    sim->Settle();
    EXPECT_EQ(obj->selectedIndex(), 0);
}

TEST_F(PadPanels, ActivationEnablesTheKeyboardFunctionsAndTheFirstOnePlacesThePad)
{
    Load();
    EXPECT_TRUE(pad->HotKeyEnabled());
    // Layouts switched off: the designed arrangement, centred on the screen.
    EXPECT_EQ(pad->size(), pad->DesignedSize());
    EXPECT_GE(pad->x(), 0);
    EXPECT_GE(pad->y(), 0);
    pad->Form_Deactivate();
    EXPECT_FALSE(pad->HotKeyEnabled());
    pad->Form_Activate();
    EXPECT_TRUE(pad->HotKeyEnabled());
    EXPECT_EQ(pad->size(), pad->DesignedSize());
}

TEST_F(PadPanels, TheCloseBoxAsksAndNoKeepsTheProgramRunning)
{
    Load();
    ui.QueueAnswer(UiServices::ID_NO);
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close); // as the window system sends it
    static_cast<QObject*>(pad.get())->event(&close);
    EXPECT_FALSE(close.isAccepted());
    ASSERT_EQ(ui.BoxTexts().size(), 1u);
    EXPECT_EQ(ui.BoxTexts()[0], func_GetMessage(2));
    EXPECT_EQ(ui.Boxes()[0].style, UiServices::MB_YESNO_QUESTION);
    EXPECT_TRUE(host.steps.empty());
    EXPECT_TRUE(g_Zo->Scope != nullptr);

    ui.QueueAnswer(UiServices::ID_NO);
    Find<usrPButton>("picExit")->click();
    EXPECT_TRUE(pad->isVisible());
    EXPECT_TRUE(host.steps.empty());

    // Any close the program did not ask for is the user's.
    ui.QueueAnswer(UiServices::ID_NO);
    EXPECT_FALSE(pad->close());
    EXPECT_EQ(ui.Boxes().size(), 3u);
    EXPECT_TRUE(host.steps.empty());
}

TEST_F(PadPanels, UnloadingFromCodeAsksNothingAndShutsDown)
{
    Load();
    pad->sub_Unload();
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_FALSE(pad->isVisible());
    ASSERT_FALSE(host.steps.empty());
    EXPECT_EQ(host.steps.back(), "end process 0");
}

TEST_F(PadPanels, YesOnPicExitRunsTheShutdownOnce)
{
    Load();
    ui.QueueAnswer(UiServices::ID_YES);
    Find<usrPButton>("picExit")->click();
    EXPECT_EQ(ui.Boxes().size(), 1u) << "picExit asked; its close does not ask again";
    EXPECT_EQ(host.steps, (std::vector<std::string>{"remove keyboard hook", "unload other windows",
                                                    "release parameters", "unload splash", "end process 0"}));
    EXPECT_FALSE(pad->m_mipNosepisePos.IsBound());
    EXPECT_EQ(g_Zo->ConnectedIndex(), -1);
    EXPECT_TRUE(std::filesystem::exists(appDir / "ZoControl.INI"));
}

TEST_F(PadPanels, TheOtherWindowsOpenAsFramesWithTheirCaptions)
{
    Load();
    Find<usrPButton>("picStage")->click();
    ASSERT_NE(pad->StageWindow(), nullptr);
    EXPECT_EQ(pad->StageWindow()->objectName(), "frmStage");
    EXPECT_EQ(pad->StageWindow()->windowTitle().toStdString(), g_LangGUITitle.StageXYZ);
    Find<usrPButton>("picTIRFAngle")->click();
    ASSERT_NE(pad->TIRFWindow(), nullptr);
    EXPECT_TRUE(pad->TIRFWindow()->isVisible());
    Find<usrPButton>("picSetting")->click();
    ASSERT_NE(pad->SettingWindow(), nullptr);
    EXPECT_TRUE(pad->SettingsOpen());
    EXPECT_EQ(pad->SettingWindow()->windowTitle().toStdString(), g_LangGUITitle.SettingMain);
    pad->SettingWindow()->reject();
    EXPECT_FALSE(pad->SettingsOpen());
    pad->sub_UnloadOtherWindows();
    EXPECT_EQ(pad->StageWindow(), nullptr);
}

} // namespace
} // namespace zotest

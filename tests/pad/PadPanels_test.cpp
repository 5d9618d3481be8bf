// The pad on a simulated microscope: panels follow the instrument, a choice is one command never sent back.

#include "PadFixture.h"

#include "model/clsCondenser.h"
#include "model/clsEXFilter.h"
#include "sdk/DeviceIndex.h"

#include <QCloseEvent>
#include <QtTest/qtestspontaneevent.h>

#include <functional>

namespace zotest {
namespace {

using ZOSCOPELib::NotAnswering;
using Texts = std::vector<std::string>;

class PadPanels : public PadTest {};

TEST_F(PadPanels, LoadingShowsEveryDeviceAsTheInstrumentHasIt)
{
    Load();
    // Built-in objectives: model, magnification, aperture, type, FKS text.
    ASSERT_EQ(List("cboOBJ")->count(), 6);
    EXPECT_EQ(std::tuple(List("cboOBJ")->selectedIndex(), Entry("cboOBJ", 0), Entry("cboOBJ", 3)),
              std::tuple(scope().Nosepiece().Position()->Value() - 1, "1: Plan Achromat 4x/ 0.1 Dry No FKS",
                         "4: Plan Fluorite 40x/ 0.75 Dry FKS"));
    EXPECT_EQ(std::tuple(Entries("cboCON").size(), Entry("cboCON", 1), List("cboEX")->count(), Entry("cboBA", 0)),
              std::tuple(5u, "2: Ph1", 8, "1: 447/60"));
    // Light-path ports by the kind the device reports, ND names from the language file.
    const auto& names = g_LangFrmZoControl;
    EXPECT_EQ(Entries("cboPath"), Texts(names.CboPath.begin() + 1, names.CboPath.begin() + 5));
    EXPECT_EQ(std::tuple(Entries("cboIrlux").size(), Entry("cboIrlux", 5)), std::tuple(6u, names.CboIrlxu[6]));
    EXPECT_EQ(std::tuple(Entries("cboCHGMode"), List("cboCHGMode")->selectedIndex()),
              std::tuple(Texts{"1:BF", "2:PH", "3:GFP"}, -1));
    EXPECT_EQ(Find<usrMPButton>("chkDIAShutter")->state(), scope().DiaShutter().IsOpened()->Value() == 1 ? 1 : 2);

    // Stage readouts in display units (device value x Resolution / 1000).
    pad->FlushReadouts();
    auto* z = Find<usrZspin>("spnStageZ");
    EXPECT_THAT((std::vector{z->position(), z->minimum(), z->maximum(), Find<usrXYspin>("spnStageXY")->xMaximum(),
                             pad->DisplayFactor(frmZoControl::AxisZ)}),
                (Pointwise(DoubleEq(), {120000 * 0.025, 0.0, 320000 * 0.025, 570000 * 0.1, 0.025})));
    EXPECT_EQ(Find<QLineEdit>("txtZ")->text().toStdString(), "Z: 3000 µm");

    // Initialising again advances the splash and keeps the hourglass until it ends.
    Click("picStatus");
    EXPECT_EQ(ui.Progress(), (std::vector<int>{65, 70, 75, 80, 85, 90, 100}));
    EXPECT_EQ(ui.BusyPointer(), (std::vector<bool>{true, false}));
    // Nothing moves; the stage drives only get their speed and tolerance back.
    for (const std::string& write : WritesSinceMark())
        EXPECT_TRUE(write.find(".SetSpeed(") != std::string::npos || write.find(".SetTolerance(") != std::string::npos)
            << write;
}

TEST_F(PadPanels, AListFollowsTheInstrumentAndASelectionIsOneCommand)
{
    Load();
    auto* obj = List("cboOBJ");
    ASSERT_EQ(obj->selectedIndex(), 0);
    // Moved at the microscope.
    scope().Nosepiece().SetPosition(4);
    sim->Settle();
    EXPECT_EQ(std::tuple(obj->selectedIndex(), obj->text()), std::tuple(3, obj->itemText(3)));

    MarkTrace();
    Select("cboCON", 2);
    ExpectWrites({"Condenser.SetPosition(3)"});

    // A configuration change at the instrument rebuilds the list, keeping the selection.
    scope().Nosepiece().SetPosition(3);
    SettleAndMark();
    scope().Nosepiece().Item(3).SetCode(20);
    EXPECT_EQ(std::tuple(Entry("cboOBJ", 2), obj->selectedIndex()), std::tuple("3: Plan Apochromat 60x/ 1.4 Oil FKS TIRF", 2));
    ExpectWrites({"SetCode"}); // only the test's own code change
}

TEST_F(PadPanels, ObjectivesTheDatabaseDoesNotDescribeShowAtMost25Characters)
{
    // Characters, the position and ": " included, however many bytes each takes.
    Load("[Database.Objectives]\n"
         "301 = A very long name for my objective|3|2|6|1|5|0.13|1.40|0|2\n"
         "302 = Ölimmersion für große Übersichten|3|2|6|1|5|0.13|1.40|0|2\n"
         "303 = 油浸対物レンズ百倍開口数一点四五特別仕様品です|3|2|6|1|5|0.13|1.40|0|2\n"
         "[Nosepiece]\n"
         "Codes = 301,3,302,303,20,0\n");
    EXPECT_EQ(std::tuple(Entry("cboOBJ", 0), Entry("cboOBJ", 2), Entry("cboOBJ", 3), Entry("cboOBJ", 5)),
              std::tuple("1: A very long name for m", "3: Ölimmersion für große ",
                         "4: 油浸対物レンズ百倍開口数一点四五特別仕様品で", "6: "));
    EXPECT_EQ(std::tuple(pad->ObjectiveMagnification(1), pad->ObjectiveMagnification(6), pad->ObjectiveMagnification(2)),
              std::tuple(0, 0, 10));
}

TEST_F(PadPanels, TheFirstFilterRowDrivesAndFollowsTheTurretOfTheFirstLevel)
{
    // The built-in instrument has turret 1 at the second level: the first row is turret 1.
    Load();
    Select("cboFL1", 1);
    ExpectWrites({"FilterTurret1.SetPosition(2)"});
    EXPECT_TRUE(Find<usrPButton>("picFL1")->toolTip().contains(
        QString::fromStdString(g_LangDeviceName.DeviceNames[DeviceIndex::FilterTurret1])));

    // Turret 1 at the first level: the first row is turret 2.
    pad.reset();
    Load("[FilterTurret1]\nLevel = 1\n[FilterTurret2]\nLevel = 2\n");
    EXPECT_EQ(std::tuple(Entry("cboFL1", 0), Entry("cboFL2", 0)), std::tuple("1: CFP", "1: DAPI"));
    EXPECT_TRUE(Find<usrPButton>("picFL1")->toolTip().contains(
        QString::fromStdString(g_LangDeviceName.DeviceNames[DeviceIndex::FilterTurret2])));
    Select("cboFL1", 3);
    ExpectWrites({"FilterTurret2.SetPosition(4)"});
    sim->Settle();
    scope().FilterTurret2().SetPosition(2);
    scope().FilterTurret1().SetPosition(5);
    sim->Settle();
    EXPECT_EQ(std::tuple(List("cboFL1")->selectedIndex(), List("cboFL2")->selectedIndex()), std::tuple(1, 4));
    // The model's filter items stay turret 1 and turret 2.
    EXPECT_EQ(std::tuple(pad->func_PadParameter(clsPadParameters::FL1)->Value(),
                         pad->func_PadParameter(clsPadParameters::FL2)->Value()),
              std::tuple(5, 2));
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
    EXPECT_EQ(std::tuple(Find("cboOBJ")->isHidden(), Find("picOBJ")->isHidden()), std::tuple(true, false));
    // Never a command to a device that is not there.
    Select("cboCON", 1);
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
    EXPECT_EQ(std::tuple(Find("fraDIA")->isHidden(), Find("chkDIAShutter")->isHidden()), std::tuple(true, false));
}

TEST_F(PadPanels, TogglesAndBarsSendOneCommandAndFollowTheInstrument)
{
    Load();
    // The DIA lamp obeys its control switch.
    auto* lamp = Find<usrMPButton>("chkDIALamp");
    auto* level = Find<usrXscrollZo>("sbDIALamp");
    const auto shown = [&] { return std::tuple(lamp->state(), lamp->isEnabled(), level->isEnabled()); };
    scope().DiaLamp().SetControlSwitch(1);
    scope().DiaLamp().On();
    EXPECT_EQ(shown(), std::tuple(1, true, true));
    // The bar shows half the lamp's value.
    scope().DiaLamp().SetValue(8);
    EXPECT_DOUBLE_EQ(level->value(), 4.0);
    emit level->valueChosen(5.0);
    EXPECT_DOUBLE_EQ(level->value(), 4.0) << "the user's bar is not moved by its own command";
    // The microscope's own knob: both controls are disabled.
    scope().DiaLamp().SetControlSwitch(0);
    EXPECT_EQ(shown(), std::tuple(1, false, false));
    Click("picCNTLDia");
    EXPECT_EQ(std::tuple_cat(std::tuple(scope().DiaLamp().ControlSwitch()->Value()), shown()), std::tuple(1, 1, true, true));
    scope().DiaLamp().Off();
    EXPECT_EQ(shown(), std::tuple(2, true, false));

    for (const auto& [on, state] : {std::pair{true, 1}, {false, 2}}) {
        on ? scope().FKSUnit().On() : scope().FKSUnit().Off();
        EXPECT_EQ(std::tuple(Find<usrMPButton>("chkFKS")->state(), Find("sbFKS")->isEnabled()), std::tuple(state, on));
    }

    auto* angle = Find<usrXscrollZo>("sbTIRFAngle");
    EXPECT_EQ(std::tuple(angle->maximum(), angle->smallStep()), std::tuple(1200.0, 0.1));
    emit angle->valueChosen(12.5);
    sim->Settle();
    pad->FlushReadouts();
    EXPECT_DOUBLE_EQ(angle->value(), 12.5);
}

TEST_F(PadPanels, EachToggleAndValueControlSendsItsOwnCommand)
{
    Load();
    ZOSCOPELib::Scope& s = scope();
    s.DiaLamp().SetControlSwitch(1);
    // Applying a mode reads the illuminator and the analyzer again (a mode
    // raises no events of theirs), binding their commands anew.
    Select("cboCHGMode", 2);
    const Texts lines = LinesContaining(traceFile, "");
    std::string afterMode;
    for (auto line = std::find_if(lines.begin() + static_cast<std::ptrdiff_t>(traceMark), lines.end(),
                                  [](const std::string& each) { return each.find("ApplyMode") != std::string::npos; });
         line != lines.end(); ++line)
        afterMode += *line + '\n';
    for (const char* read : {"Irlux.IsOpened()", "Irlux.NDPosition()", "Analyzer.IsInserted()"})
        EXPECT_NE(afterMode.find(read), std::string::npos) << read << " after the mode";

    // A two-state control starts from its device switched off (state 2): the
    // first click sends the "on" command, the second the "off" one.
    struct Toggle {
        const char* control;
        std::function<void()> switchOff;
        const char* on;
        const char* off;
    };
    const Toggle toggles[] = {
        {"chkEpi", [&] { s.EpiShutter().Close(); }, "EpiShutter.Open()", "EpiShutter.Close()"},
        {"chkAUX", [&] { s.AuxShutter().Close(); }, "AuxShutter.Open()", "AuxShutter.Close()"},
        {"chkDIAShutter", [&] { s.DiaShutter().Close(); }, "DiaShutter.Open()", "DiaShutter.Close()"},
        {"picIrlux", [&] { s.Irlux().Close(); }, "Irlux.Open()", "Irlux.Close()"},
        {"chkTIRF", [&] { s.TIRF().Off(); }, "TIRF.On()", "TIRF.Off()"},
        {"chkFKS", [&] { s.FKSUnit().Off(); }, "FKSUnit.On()", "FKSUnit.Off()"},
        {"chkDIALamp", [&] { s.DiaLamp().Off(); }, "DiaLamp.On()", "DiaLamp.Off()"},
        {"chkAnlyz", [&] { s.Analyzer().Out(); }, "Analyzer.In()", "Analyzer.Out()"},
    };
    for (const Toggle& t : toggles) {
        SCOPED_TRACE(t.control);
        t.switchOff();
        SettleAndMark();
        auto* button = Find<usrMPButton>(t.control);
        ASSERT_EQ(button->state(), 2);
        button->click();
        button->click();
        ExpectWrites({t.on, t.off});
    }

    // A value control sends one command with its value; a click on a bar's
    // arrow is one command, not a second one when the button is let go.
    s.DiaLamp().On();
    s.DiaLamp().SetValue(8);
    s.TIRF().MoveAbsolute(100);
    s.FKSUnit().On();
    s.FKSUnit().Offset().MoveAbsolute(20);
    sim->Settle();
    pad->FlushReadouts();
    const auto arrow = [&](const char* name) {
        auto* bar = Find<usrXscrollZo>(name);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 2, bar->height() / 2));
    };
    struct Value {
        const char* control;
        std::function<void()> act;
        const char* call;
    };
    const Value values[] = {
        {"cboIrlux", [&] { Select("cboIrlux", 2); }, "Irlux.SetNDPosition(3)"},
        {"sbDIALamp", [&] { arrow("sbDIALamp"); }, "DiaLamp.SetValue(9)"},
        {"sbTIRFAngle", [&] { arrow("sbTIRFAngle"); }, "TIRF.MoveAbsolute(101)"},
        {"sbFKS", [&] { arrow("sbFKS"); }, "FKSUnit.Offset.MoveAbsolute(21)"},
        {"picALF", [&] { Click("picALF"); }, "Nosepiece.ExecuteALF()"},
        {"picCNTLDia", [&] { Click("picCNTLDia"); }, "DiaLamp.SetControlSwitch(0)"},
    };
    for (const Value& v : values) {
        SCOPED_TRACE(v.control);
        SettleAndMark();
        v.act();
        ExpectWrites({v.call});
    }
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
        emit bar->valueChosen(bar->maximum());
        emit bar->valueChosen(bar->minimum());
    }
    sim->Run(200);
    EXPECT_TRUE(pad->isEnabled());
    const std::vector<bool>& busy = ui.BusyPointer();
    ASSERT_FALSE(busy.empty());
    EXPECT_EQ(std::tuple(busy.back(), std::count(busy.begin(), busy.end(), true), host.steps.empty()),
              std::tuple(false, std::count(busy.begin(), busy.end(), false), true)) << "pointer back, program running";
    if (pad->SettingWindow())
        pad->SettingWindow()->close();
}

TEST_F(PadPanels, PluggingADeviceInOrOutUpdatesTheModelAndThePanel)
{
    Load("[Mounted]\nKMX1 = 0\n");
    constexpr int kEpi = DeviceIndex::EpiShutter;
    const auto epi = [&] { return std::tuple(g_Zo->IsMounted(kEpi), Find("chkEpi")->isHidden()); };
    ASSERT_EQ(epi(), std::tuple(1, false));
    sim->control().Plug(kEpi, false);
    EXPECT_EQ(epi(), std::tuple(0, true));
    sim->control().Plug(kEpi, true);
    EXPECT_EQ(std::tuple_cat(epi(), std::tuple(ui.Boxes().empty())), std::tuple(1, false, true));
    // A camera controller too; its port is read only while it is there.
    const auto portReads = [&] { return LinesContaining(traceFile, "KMX1.Value").size(); };
    EXPECT_EQ(std::tuple(g_Zo->IsMounted(DeviceIndex::KMX1), portReads()), std::tuple(0, 0u));
    sim->control().Plug(DeviceIndex::KMX1, true);
    const std::size_t reads = portReads();
    EXPECT_EQ(std::tuple(g_Zo->IsMounted(DeviceIndex::KMX1), reads > 0), std::tuple(1, true));
    sim->control().Plug(DeviceIndex::KMX1, false);
    EXPECT_EQ(std::tuple(g_Zo->IsMounted(DeviceIndex::KMX1), portReads()), std::tuple(0, reads));
    EXPECT_TRUE(WritesSinceMark().empty()) << "plugging is not a command of the pad's";
    ui.ClearRecord();

    // A shutter check that fails is reported with message 12 and the pad goes on.
    sim->control().FailCall("AuxShutter", "GetConnection", NotAnswering, 1);
    sim->control().Plug(kEpi, false);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text.rfind(func_GetMessage(12), 0), 0u) << ui.Boxes()[0].text;
    EXPECT_GT(ui.Boxes()[0].text.size(), func_GetMessage(12).size()) << "the check's own text follows";
    EXPECT_EQ(std::tuple(Find("chkEpi")->isHidden(), pad->isEnabled()), std::tuple(true, true));
}

TEST_F(PadPanels, AfterASettingsChangeOnlyTheDevicesWhoseFlagIsSetAreReadAgain)
{
    Load();
    ASSERT_EQ(Entry("cboCON", 0), "1: Open");
    // The settings dialog writes new codes; the instrument's own reports are
    // switched off here, so only the re-read can bring them to the pad.
    pad->m_mipCon.Release();
    pad->m_mipEX.Release();
    g_Zo->Condenser->SetCode(0, 4);
    g_Zo->EXFilter->SetCode(0, 5);
    EXPECT_EQ((std::tuple{g_Zo->Condenser->func_WriteSdk(), g_Zo->EXFilter->func_WriteSdk()}), std::tuple("", ""));
    ASSERT_TRUE(g_RefreshCondenser);
    g_RefreshEXFilter = false; // as if only the condenser had changed

    pad->sub_ReadStatus();
    EXPECT_EQ(Entry("cboEX", 0), "1: 340/26") << "not re-read without its flag";
    EXPECT_EQ(std::tuple(Entry("cboCON", 0), g_RefreshCondenser, pad->m_mipCon.IsBound(), ui.BusyPointer()),
              std::tuple("1: Ph3", false, true, std::vector<bool>{true, false}));
}

TEST_F(PadPanels, ALanguageChangeReachesThePadByName)
{
    Load();
    g_LangFrmZoControl.BtnExit = "Leave";
    g_LangFrmZoControl.CboPath[1] = "Ocular";
    ASSERT_TRUE(QMetaObject::invokeMethod(pad.get(), "sub_RefreshLanguage"));
    EXPECT_EQ(std::tuple(Find<usrPButton>("picExit")->text(), Entry("cboPath", 0), WritesSinceMark().empty()),
              std::tuple("Leave", "Ocular", true));
    sub_ReadLanguage();
}

TEST_F(PadPanels, OnlyTheUsersCloseAsksAndYesShutsDownOnce)
{
    Load();
    ui.QueueAnswer(UiServices::ID_NO);
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close); // as the window system sends it
    static_cast<QObject*>(pad.get())->event(&close);
    EXPECT_EQ(std::tuple(close.isAccepted(), ui.BoxTexts(), g_Zo->Scope != nullptr),
              std::tuple(false, std::vector{func_GetMessage(2)}, true));

    ui.QueueAnswer(UiServices::ID_NO);
    Click("picExit");
    EXPECT_TRUE(pad->isVisible());
    // Any close the program did not ask for is the user's.
    ui.QueueAnswer(UiServices::ID_NO);
    EXPECT_FALSE(pad->close());
    EXPECT_EQ(std::tuple(ui.Boxes().size(), host.steps.empty()), std::tuple(3u, true));

    ui.ClearRecord();
    ui.QueueAnswer(UiServices::ID_YES);
    Click("picExit");
    EXPECT_EQ(std::tuple(ui.Boxes().size(), std::count(host.steps.begin(), host.steps.end(), "end process 0")),
              std::tuple(1u, 1)) << "picExit asked; its close does not ask again";
    EXPECT_FALSE(pad->m_mipNosepisePos.IsBound()) << "the pad lets go of the instrument";
}

TEST_F(PadPanels, TheOtherWindowsOpenAsFramesWithTheirCaptions)
{
    Load();
    Click("picStage");
    ASSERT_NE(pad->StageWindow(), nullptr);
    EXPECT_EQ(pad->StageWindow()->windowTitle().toStdString(), g_LangGUITitle.StageXYZ);
    Click("picTIRFAngle");
    EXPECT_TRUE(pad->TIRFWindow() && pad->TIRFWindow()->isVisible());
    Click("picSetting");
    ASSERT_NE(pad->SettingWindow(), nullptr);
    EXPECT_EQ(pad->SettingWindow()->windowTitle().toStdString(), g_LangGUITitle.SettingMain);
    pad->SettingWindow()->reject();
    pad->sub_UnloadOtherWindows();
    EXPECT_EQ(pad->StageWindow(), nullptr);
}

} // namespace
} // namespace zotest

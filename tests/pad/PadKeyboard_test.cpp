// Keyboard shortcuts and the ergo switch: a held key acts once, keys act only
// while the pad is the active window, every function code does what its row
// says on the instrument, and the ergo switch opens the settings dialog on
// its key page when it is pressed, never while it is held or let go.

#include "PadFixture.h"

#include "core/mdlSettings.h"
#include "model/clsConnectFilter.h"
#include "settings/frmSettingMain.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrPButton.h"
#include "widgets/usrXscrollZo.h"
#include "widgets/usrZspin.h"
#include "windows/frmStage.h"

#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

namespace zotest {
namespace {

constexpr int kF5 = 8; // index of "F5" in the shortcut table

class PadKeyboard : public PadTest {
protected:
    void SetUp() override
    {
        PadTest::SetUp();
        g_IncrementFlag = {false, false, false};
        g_DefaultIncreValue = {0.5, 0.2, 0.3};
    }

    void Send(QWidget* to, QEvent::Type type, int key, bool autoRepeat = false)
    {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(to, &event);
    }
    void Tap(int key, QWidget* to = nullptr)
    {
        Send(to ? to : pad.get(), QEvent::KeyPress, key);
        Send(to ? to : pad.get(), QEvent::KeyRelease, key);
    }
    // Runs a function code as the key F5 would.
    void RunCode(int code)
    {
        g_ShortcutKey[kF5] = static_cast<int16_t>(code);
        pad->HotKeyDownEvent(116);
    }
    std::vector<std::string> WritesOf(const std::string& object) const
    {
        std::vector<std::string> writes;
        for (const std::string& write : WritesSinceMark())
            if (write.find(" " + object + ".") != std::string::npos)
                writes.push_back(write);
        return writes;
    }
    QTimer* TimerErgo() { return pad->findChild<QTimer*>("TimerErgo"); }
};

// Counts how often the settings dialog is shown.
class ShowCounter : public QObject {
public:
    int shown = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == "frmSettingMain")
            ++shown;
        return false;
    }
};

TEST_F(PadKeyboard, AHeldKeyRunsItsFunctionOnceAndPressingItAgainRunsItAgain)
{
    g_ShortcutKey[kF5] = 70; // DIA shutter open/close
    Load();
    const bool open = scope().DiaShutter().IsOpened()->Value() == 1;
    Send(pad.get(), QEvent::KeyPress, Qt::Key_F5);
    // Held down: the keyboard repeats release and press, all marked as repeats.
    for (int i = 0; i < 5; ++i) {
        Send(pad.get(), QEvent::KeyRelease, Qt::Key_F5, true);
        Send(pad.get(), QEvent::KeyPress, Qt::Key_F5, true);
    }
    std::vector<std::string> writes = WritesOf("DiaShutter");
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find(open ? "DiaShutter.Close(" : "DiaShutter.Open("), std::string::npos) << writes[0];
    Send(pad.get(), QEvent::KeyRelease, Qt::Key_F5);
    EXPECT_EQ(WritesOf("DiaShutter").size(), 1u);

    Tap(Qt::Key_F5);
    writes = WritesOf("DiaShutter");
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_NE(writes[1].find(open ? "DiaShutter.Open(" : "DiaShutter.Close("), std::string::npos) << writes[1];
    EXPECT_EQ(scope().DiaShutter().IsOpened()->Value() == 1, open);
}

TEST_F(PadKeyboard, EachOfTheSixteenKeysRunsItsOwnAssignment)
{
    // The keys in the order of the settings file: the first eight choose the
    // EX wheel's positions 1..8, the other eight the BA wheel's.
    const int keys[] = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                        Qt::Key_Home,   Qt::Key_End,      Qt::Key_F5, Qt::Key_F6,   Qt::Key_F7,   Qt::Key_F8,
                        Qt::Key_F9,     Qt::Key_F10,      Qt::Key_F11, Qt::Key_F12};
    for (int i = 0; i < 16; ++i)
        g_ShortcutKey[static_cast<std::size_t>(i)] = static_cast<int16_t>(i < 8 ? 50 + i : 60 + i - 8);
    Load();
    for (int i = 0; i < 16; ++i) {
        MarkTrace();
        Tap(keys[i]);
        const std::vector<std::string> writes = WritesSinceMark();
        ASSERT_EQ(writes.size(), 1u) << i;
        const std::string expected = i < 8 ? "ExcitationWheel.SetPosition(" + std::to_string(i + 1) + ")"
                                           : "BarrierWheel.SetPosition(" + std::to_string(i - 7) + ")";
        EXPECT_NE(writes[0].find(expected), std::string::npos) << writes[0];
    }
    // Other keys, and keys without a function, do nothing.
    g_ShortcutKey[0] = 0;
    MarkTrace();
    for (int key : {Qt::Key_A, Qt::Key_F1, Qt::Key_F4, Qt::Key_Escape, Qt::Key_PageUp})
        Tap(key);
    EXPECT_TRUE(WritesSinceMark().empty());
}

TEST_F(PadKeyboard, AKeyPressedWhileAnotherWindowIsActiveRunsNothing)
{
    g_ShortcutKey[kF5] = 71; // epi shutter
    Load();
    Find<usrPButton>("picStage")->click();
    frmStage* stage = pad->StageWindow();
    ASSERT_NE(stage, nullptr);
    stage->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(stage));
    EXPECT_FALSE(pad->HotKeyEnabled());
    Tap(Qt::Key_F5, stage);
    Tap(Qt::Key_F5, pad.get());
    EXPECT_TRUE(WritesOf("EpiShutter").empty());

    // Back on the pad the key acts again.
    pad->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pad.get()));
    Tap(Qt::Key_F5);
    EXPECT_EQ(WritesOf("EpiShutter").size(), 1u);
}

TEST_F(PadKeyboard, TheHookIsTakenOutAtTheUnload)
{
    g_ShortcutKey[kF5] = 71;
    Load();
    EXPECT_NE(g_KeyboardHook, 0);
    pad->sub_RemoveKeyboardHook();
    EXPECT_EQ(g_KeyboardHook, 0);
    Tap(Qt::Key_F5);
    EXPECT_TRUE(WritesOf("EpiShutter").empty());
}

TEST_F(PadKeyboard, Function996WithFourObservationModesDoesNothing)
{
    Load();
    ZOSCOPELib::ModeRecord record;
    record.fill(ZOSCOPELib::NotSet);
    record[10] = 1; // DIA shutter open
    scope().ObservationModes().SetMode("DIC", record);
    g_RefreshObservationMode = true;
    pad->sub_ReadStatus();
    ASSERT_EQ(Find<usrComboBox>("cboCHGMode")->count(), 4);
    MarkTrace();
    RunCode(996);
    RunCode(998);
    EXPECT_TRUE(WritesSinceMark().empty());

    RunCode(994);
    const std::vector<std::string> modes = WritesOf("ObservationModes");
    ASSERT_EQ(modes.size(), 1u);
    EXPECT_NE(modes[0].find("ApplyMode(\"DIC\")"), std::string::npos) << modes[0];
}

TEST_F(PadKeyboard, TheErgoSwitchOpensTheSettingsDialogOnItsRisingEdgeOnly)
{
    Load();
    ShowCounter counter;
    qApp->installEventFilter(&counter);
    ASSERT_EQ(scope().ErgoController().Switch()->Value(), 0);
    g_DefaultGUIFunction = 1;
    g_DefaultGUIPage[3] = 1;

    // 0 -> 1: the key page, sub-page 0, once the event is over.
    sim->control().PressErgoSwitch(true);
    EXPECT_EQ(g_DefaultGUIFunction, 3);
    EXPECT_EQ(g_DefaultGUIPage[3], 0);
    EXPECT_TRUE(TimerErgo()->isActive());
    EXPECT_EQ(counter.shown, 0) << "not inside the switch's event";
    QTRY_COMPARE_WITH_TIMEOUT(counter.shown, 1, 10000);
    EXPECT_FALSE(TimerErgo()->isActive());
    EXPECT_TRUE(pad->SettingsOpen());
    pad->SettingWindow()->reject();
    EXPECT_FALSE(pad->SettingsOpen());

    // 1 -> 1: the instrument reports the held switch again.
    scope().ErgoController().Switch()->OnValueChanged.Raise();
    EXPECT_FALSE(TimerErgo()->isActive());
    // 1 -> 0: let go.
    sim->control().PressErgoSwitch(false);
    EXPECT_FALSE(TimerErgo()->isActive());
    // 0 -> 1: pressed again.
    sim->control().PressErgoSwitch(true);
    EXPECT_TRUE(TimerErgo()->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(counter.shown, 2, 10000);

    // Pressed while the dialog is open: nothing more.
    sim->control().PressErgoSwitch(false);
    sim->control().PressErgoSwitch(true);
    EXPECT_FALSE(TimerErgo()->isActive());
    QTest::qWait(200);
    EXPECT_EQ(counter.shown, 2);
    qApp->removeEventFilter(&counter);
    pad->SettingWindow()->reject();
}

TEST_F(PadKeyboard, Function14OpensTheKeyPageOnTheKeyboardSubPageWhenAnErgoControllerIsMounted)
{
    Load();
    g_DefaultGUIPage[3] = 0;
    RunCode(14);
    EXPECT_EQ(g_DefaultGUIFunction, 3);
    EXPECT_EQ(g_DefaultGUIPage[3], 1);
    EXPECT_TRUE(TimerErgo()->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(pad->SettingsOpen(), 10000);
    // Not again while the dialog is open.
    g_DefaultGUIFunction = 0;
    RunCode(14);
    EXPECT_EQ(g_DefaultGUIFunction, 0);
    EXPECT_FALSE(TimerErgo()->isActive());
    pad->SettingWindow()->reject();
}

TEST_F(PadKeyboard, Function14WithoutAnErgoControllerOpensTheFirstSubPage)
{
    Load("[Mounted]\nErgoController = 0\n");
    g_DefaultGUIPage[3] = 1;
    RunCode(14);
    EXPECT_EQ(g_DefaultGUIFunction, 3);
    EXPECT_EQ(g_DefaultGUIPage[3], 0);
    EXPECT_TRUE(TimerErgo()->isActive());
    // No switch to follow without the controller.
    sim->control().PressErgoSwitch(true);
    TimerErgo()->stop();
}

TEST_F(PadKeyboard, TheStepSizeFunctionsAdvanceTheirButtonAndTheStep)
{
    g_IncrementValue[saZ] = {"1", "10", "100"};
    Load();
    auto* button = Find<usrMPButton>("picStageZ");
    const std::pair<int, const char*> functions[] = {{1, "picStageZ"}, {88, "picStageXY"}, {903, "picStagePiezo"}};
    for (const auto& [code, name] : functions) {
        auto* stepButton = Find<usrMPButton>(name);
        for (int expected : {2, 3, 1}) {
            RunCode(code);
            EXPECT_EQ(stepButton->state(), expected) << name;
        }
    }
    RunCode(1);
    EXPECT_EQ(button->state(), 2);
    EXPECT_DOUBLE_EQ(Find<usrZspin>("spnStageZ")->step(), 10 * 0.2);
    EXPECT_TRUE(WritesSinceMark().empty());
}

TEST_F(PadKeyboard, Function11SwitchesTheLightPathBetweenThePortsOfKind1And2)
{
    // Kinds by position: 3, 1, 4, 2.
    Load("[LightPath]\nPortKinds = 3,1,4,2\nPosition = 1\n");
    RunCode(11);
    std::vector<std::string> writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("LightPath.SetPosition(2)"), std::string::npos) << writes[0];
    sim->Settle();
    MarkTrace();
    RunCode(11);
    writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("LightPath.SetPosition(4)"), std::string::npos) << writes[0];
    // The ports by kind search the positions in order.
    sim->Settle();
    MarkTrace();
    RunCode(7); // kind 3
    writes = WritesSinceMark();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_NE(writes[0].find("LightPath.SetPosition(1)"), std::string::npos) << writes[0];
}

TEST_F(PadKeyboard, AFunctionOfAnAbsentDeviceDoesNothing)
{
    Load("[Mounted]\nCondenser = 0\nAnalyzer = 0\n");
    for (int code : {26, 27, 31, 32, 39})
        RunCode(code);
    EXPECT_TRUE(WritesSinceMark().empty());
}

// Every code the dispatcher knows, and what it sends to the instrument.
TEST_F(PadKeyboard, EveryFunctionCodeMakesItsCallOnTheInstrument)
{
    g_MemTIRF[0] = "10";
    g_MemTIRF[1] = "20";
    g_MemTIRF[2] = "30";
    g_MemTIRF[3] = "40";
    Load();
    ZOSCOPELib::Scope& s = scope();
    const auto toggle = [](const ZOSCOPELib::ParameterPtr& state, const std::string& object, const char* on,
                           const char* off) { return object + "." + (state->Value() == 1 ? off : on) + "("; };
    const auto position = [](const std::string& object, int n) {
        return object + ".SetPosition(" + std::to_string(n) + ")";
    };
    const auto moveBy = [](const std::string& object, ZOSCOPELib::AxisDevice& axis, int units) {
        return [object, &axis, units] {
            return object + ".MoveAbsolute(" + std::to_string(axis.Position()->Value() + units) + ")";
        };
    };
    const auto fixed = [](std::string text) { return [text] { return text; }; };

    // Expected call per code; the text is taken just before the code runs.
    std::map<int, std::function<std::string()>> expected;
    for (int n = 1; n <= 4; ++n)
        expected[4 + n] = fixed(position("LightPath", n)); // ports of kinds 1..4 stand at 1..4
    expected[9] = fixed("LightPath.StepForward(");
    expected[10] = fixed("LightPath.StepBackward(");
    expected[12] = [&] { return toggle(s.DiaLamp().IsOn(), "DiaLamp", "On", "Off"); };
    // The first FL turret is the one cboFL1 shows: turret 2 when the turrets are exchanged.
    const bool exchanged = g_Zo->ConnectFilter->FilterPosition();
    const char* firstFL = exchanged ? "FilterTurret2" : "FilterTurret1";
    const char* secondFL = exchanged ? "FilterTurret1" : "FilterTurret2";
    const std::pair<const char*, int> turrets[] = {{"Nosepiece", 15}, {"Condenser", 26},       {firstFL, 33},
                                                   {secondFL, 42},    {"ExcitationWheel", 50}, {"BarrierWheel", 60}};
    const int counts[] = {6, 5, 6, 6, 8, 8};
    const int steps[] = {21, 31, 40, 48, 58, 68};
    for (std::size_t t = 0; t < std::size(turrets); ++t) {
        for (int n = 1; n <= counts[t]; ++n)
            expected[turrets[t].second + n - 1] = fixed(position(turrets[t].first, n));
        expected[steps[t]] = fixed(std::string(turrets[t].first) + ".StepForward(");
        expected[steps[t] + 1] = fixed(std::string(turrets[t].first) + ".StepBackward(");
    }
    expected[23] = [&] {
        return std::string("FKSUnit.") + (Find<usrMPButton>("chkFKS")->state() == 1 ? "Off(" : "On(");
    };
    expected[39] = [&] { return toggle(s.Analyzer().IsInserted(), "Analyzer", "In", "Out"); };
    expected[70] = [&] { return toggle(s.DiaShutter().IsOpened(), "DiaShutter", "Open", "Close"); };
    expected[71] = [&] { return toggle(s.EpiShutter().IsOpened(), "EpiShutter", "Open", "Close"); };
    expected[72] = [&] { return toggle(s.TIRF().IsOn(), "TIRF", "On", "Off"); };
    for (int n = 1; n <= 4; ++n)
        expected[72 + n] = fixed("TIRF.MoveAbsolute(" + std::to_string(n * 100) + ")");
    expected[77] = [&] { return std::string("TIRF.SetERG(") + (s.TIRF().ERG()->Value() == 1 ? "0" : "1") + ")"; };
    expected[78] = [&] { return toggle(s.AuxShutter().IsOpened(), "AuxShutter", "Open", "Close"); };
    expected[79] = [&] { return toggle(s.Irlux().IsOpened(), "Irlux", "Open", "Close"); };
    for (int n = 1; n <= 6; ++n)
        expected[79 + n] = fixed("Irlux.SetNDPosition(" + std::to_string(n) + ")");
    expected[86] = fixed("Irlux.NDStepForward(");
    expected[87] = fixed("Irlux.NDStepBackward(");
    // One step: Z 0.2 um of 0.025, piezo 0.3 um of 0.025, X and Y 0.5 um of 0.1.
    expected[901] = moveBy("ZDrive", s.ZDrive(), 8);
    expected[902] = moveBy("ZDrive", s.ZDrive(), -8);
    expected[904] = moveBy("PiezoZ", s.PiezoZ(), 12);
    expected[905] = moveBy("PiezoZ", s.PiezoZ(), -12);
    expected[906] = moveBy("XAxis", s.XAxis(), 5);
    expected[907] = moveBy("XAxis", s.XAxis(), -5);
    expected[908] = moveBy("YAxis", s.YAxis(), 5);
    expected[909] = moveBy("YAxis", s.YAxis(), -5);
    const char* modes[] = {"BF", "PH", "GFP"};
    for (int n = 1; n <= 3; ++n)
        expected[990 + n] = fixed(std::string("ApplyMode(\"") + modes[n - 1] + "\")");
    // Code 11 has its own test; 1, 88 and 903 change the pad only; 14 opens a dialog.

    int checked = 0;
    for (int code = 0; code <= 1000; ++code) {
        if (code == 11)
            continue;
        sim->Settle();
        const auto it = expected.find(code);
        const std::string call = it != expected.end() ? it->second() : std::string();
        MarkTrace();
        RunCode(code);
        if (code == 1 || code == 88 || code == 903) {
            // Back to the first step size, so that the spins below step by the base step.
            RunCode(code);
            RunCode(code);
        }
        const std::vector<std::string> writes = WritesSinceMark();
        if (call.empty()) {
            EXPECT_TRUE(writes.empty()) << "code " << code << ": " << (writes.empty() ? "" : writes[0]);
            continue;
        }
        ++checked;
        bool found = false;
        for (const std::string& write : writes)
            found = found || write.find(" " + call) != std::string::npos || write.find("." + call) != std::string::npos;
        EXPECT_TRUE(found) << "code " << code << " expected " << call << " got "
                           << (writes.empty() ? "nothing" : writes[0]);
        // Apart from a spin's speed and tolerance, one function is one call
        // (a mode is one call that drives the devices of the mode).
        if (code >= 991)
            continue;
        std::size_t moves = 0;
        for (const std::string& write : writes)
            moves += write.find("SetSpeed(") == std::string::npos && write.find("SetTolerance(") == std::string::npos;
        EXPECT_EQ(moves, 1u) << "code " << code;
    }
    EXPECT_EQ(checked, static_cast<int>(expected.size()));
    TimerErgo()->stop();
}

} // namespace
} // namespace zotest

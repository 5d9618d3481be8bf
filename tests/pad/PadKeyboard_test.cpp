// Keyboard functions and the ergo switch: once per press, only while the pad is active.

#include "PadFixture.h"

#include <QKeyEvent>
#include <QTimer>

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

    void Send(QWidget* to, QEvent::Type type, int key, bool autoRepeat = false, ulong timestamp = 0)
    {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        event.setTimestamp(timestamp);
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
    const char* first = open ? "DiaShutter.Close(" : "DiaShutter.Open(";
    const char* second = open ? "DiaShutter.Open(" : "DiaShutter.Close(";
    ExpectWrites({first});
    Send(pad.get(), QEvent::KeyRelease, Qt::Key_F5);
    ExpectWrites({first});
    Tap(Qt::Key_F5);
    ExpectWrites({first, second});
    EXPECT_EQ(scope().DiaShutter().IsOpened()->Value() == 1, open);

    // The X server may hand a repeat over unmarked: a release and a press
    // with the same time stamp. Only a press at another time acts again.
    Send(pad.get(), QEvent::KeyPress, Qt::Key_F5, false, 1000);
    for (ulong t = 1660; t < 1800; t += 40) {
        Send(pad.get(), QEvent::KeyRelease, Qt::Key_F5, false, t);
        Send(pad.get(), QEvent::KeyPress, Qt::Key_F5, false, t);
    }
    Send(pad.get(), QEvent::KeyRelease, Qt::Key_F5, false, 1900);
    ExpectWrites({first, second, first});
    Send(pad.get(), QEvent::KeyPress, Qt::Key_F5, false, 2500);
    ExpectWrites({first, second, first, second});
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
        SCOPED_TRACE(i);
        MarkTrace();
        Tap(keys[i]);
        ExpectWrites({(i < 8 ? "ExcitationWheel" : "BarrierWheel") + std::string(".SetPosition(") +
                      std::to_string(i % 8 + 1) + ")"});
    }
    // Other keys, and keys without a function, do nothing.
    g_ShortcutKey[0] = 0;
    MarkTrace();
    for (int key : {Qt::Key_A, Qt::Key_F1, Qt::Key_F4, Qt::Key_Escape, Qt::Key_PageUp})
        Tap(key);
    EXPECT_TRUE(WritesSinceMark().empty());
}

TEST_F(PadKeyboard, KeysActOnlyWhileThePadIsActiveAndUntilTheHookIsTakenOut)
{
    g_ShortcutKey[kF5] = 71; // epi shutter
    Load();
    Click("picStage");
    pad->StageWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pad->StageWindow()));
    Tap(Qt::Key_F5, pad->StageWindow());
    Tap(Qt::Key_F5, pad.get());
    EXPECT_EQ(std::tuple(pad->HotKeyEnabled(), WritesOf("EpiShutter").empty()), std::tuple(false, true));

    pad->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pad.get()));
    Tap(Qt::Key_F5);
    EXPECT_EQ(WritesOf("EpiShutter").size(), 1u);

    EXPECT_NE(g_KeyboardHook, 0);
    pad->sub_RemoveKeyboardHook();
    Tap(Qt::Key_F5);
    EXPECT_EQ(std::tuple(g_KeyboardHook, WritesOf("EpiShutter").size()), std::tuple(0, 1u));
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
    EXPECT_EQ(std::tuple(g_DefaultGUIFunction, g_DefaultGUIPage[3], TimerErgo()->isActive()), std::tuple(3, 0, true));
    EXPECT_EQ(counter.shown, 0) << "not inside the switch's event";
    QTRY_COMPARE_WITH_TIMEOUT(counter.shown, 1, 10000);
    EXPECT_EQ(std::tuple(TimerErgo()->isActive(), pad->SettingsOpen()), std::tuple(false, true));
    pad->SettingWindow()->reject();

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

TEST_F(PadKeyboard, Function14OpensTheKeyPageOnTheSubPageForTheMountedController)
{
    for (const bool ergo : {true, false}) {
        SCOPED_TRACE(ergo);
        pad.reset();
        Load(ergo ? "" : "[Mounted]\nErgoController = 0\n");
        g_DefaultGUIPage[3] = ergo ? 0 : 1;
        RunCode(14);
        EXPECT_EQ(std::tuple(g_DefaultGUIFunction, g_DefaultGUIPage[3], TimerErgo()->isActive()),
                  std::tuple(3, ergo ? 1 : 0, true));
        TimerErgo()->stop();
    }
}

TEST_F(PadKeyboard, Function11SwitchesTheLightPathBetweenThePortsOfKind1And2)
{
    Load("[LightPath]\nPortKinds = 3,1,4,2\nPosition = 1\n");
    // Code 7 is the port of kind 3: the ports by kind search the positions in order.
    for (const auto& [code, position] : {std::pair{11, 2}, {11, 4}, {7, 1}}) {
        RunCode(code);
        ExpectWrites({"LightPath.SetPosition(" + std::to_string(position) + ")"});
        SettleAndMark();
    }
}

TEST_F(PadKeyboard, AFunctionOfAnAbsentDeviceDoesNothing)
{
    Load("[Mounted]\nCondenser = 0\nAnalyzer = 0\n");
    for (int code : {26, 27, 31, 32, 39})
        RunCode(code);
    EXPECT_TRUE(WritesSinceMark().empty());
}

TEST_F(PadKeyboard, EveryFunctionCodeMakesItsCallOnTheInstrument)
{
    for (std::size_t i = 0; i < 4; ++i)
        g_MemTIRF[i] = std::to_string(10 * (i + 1));
    Load();
    ZOSCOPELib::Scope& s = scope();
    // A fourth mode: codes 991.. apply the modes the list holds, and no more.
    ZOSCOPELib::ModeRecord record;
    record.fill(ZOSCOPELib::NotSet);
    s.ObservationModes().SetMode("DIC", record);
    g_RefreshObservationMode = true;
    pad->sub_ReadStatus();
    // Expected call per code; the text is taken just before the code runs.
    std::map<int, std::function<std::string()>> expected;
    const auto fixed = [](std::string text) { return [text] { return text; }; };
    const auto toggle = [&](int code, std::function<int32_t()> state, std::string object, const char* on,
                            const char* off) {
        expected[code] = [=] { return object + "." + (state() == 1 ? off : on) + "("; };
    };
    const auto position = [](const std::string& object, int n) {
        return object + ".SetPosition(" + std::to_string(n) + ")";
    };
    for (int n = 1; n <= 4; ++n)
        expected[4 + n] = fixed(position("LightPath", n)); // ports of kinds 1..4 stand at 1..4
    expected[9] = fixed("LightPath.StepForward(");
    expected[10] = fixed("LightPath.StepBackward(");
    toggle(12, [&] { return s.DiaLamp().IsOn()->Value(); }, "DiaLamp", "On", "Off");
    // The first FL turret is the one cboFL1 shows: turret 2 when the turrets are exchanged.
    const bool exchanged = g_Zo->ConnectFilter->FilterPosition();
    const char* firstFL = exchanged ? "FilterTurret2" : "FilterTurret1";
    const char* secondFL = exchanged ? "FilterTurret1" : "FilterTurret2";
    // Turret, code of its first position, position count, code of its forward step.
    const std::tuple<std::string, int, int, int> turrets[] = {
        {"Nosepiece", 15, 6, 21}, {"Condenser", 26, 5, 31},       {firstFL, 33, 6, 40},
        {secondFL, 42, 6, 48},    {"ExcitationWheel", 50, 8, 58}, {"BarrierWheel", 60, 8, 68}};
    for (const auto& [turret, first, count, step] : turrets) {
        for (int n = 1; n <= count; ++n)
            expected[first + n - 1] = fixed(position(turret, n));
        expected[step] = fixed(turret + ".StepForward(");
        expected[step + 1] = fixed(turret + ".StepBackward(");
    }
    toggle(23, [&] { return Find<usrMPButton>("chkFKS")->state(); }, "FKSUnit", "On", "Off");
    toggle(39, [&] { return s.Analyzer().IsInserted()->Value(); }, "Analyzer", "In", "Out");
    toggle(70, [&] { return s.DiaShutter().IsOpened()->Value(); }, "DiaShutter", "Open", "Close");
    toggle(71, [&] { return s.EpiShutter().IsOpened()->Value(); }, "EpiShutter", "Open", "Close");
    toggle(72, [&] { return s.TIRF().IsOn()->Value(); }, "TIRF", "On", "Off");
    for (int n = 1; n <= 4; ++n)
        expected[72 + n] = fixed("TIRF.MoveAbsolute(" + std::to_string(n * 100) + ")");
    expected[77] = [&] { return std::string("TIRF.SetERG(") + (s.TIRF().ERG()->Value() == 1 ? "0" : "1") + ")"; };
    toggle(78, [&] { return s.AuxShutter().IsOpened()->Value(); }, "AuxShutter", "Open", "Close");
    toggle(79, [&] { return s.Irlux().IsOpened()->Value(); }, "Irlux", "Open", "Close");
    for (int n = 1; n <= 6; ++n)
        expected[79 + n] = fixed("Irlux.SetNDPosition(" + std::to_string(n) + ")");
    expected[86] = fixed("Irlux.NDStepForward(");
    expected[87] = fixed("Irlux.NDStepBackward(");
    // One step: Z 0.2 um of 0.025, piezo 0.3 um of 0.025, X and Y 0.5 um of 0.1.
    for (const auto& [code, axis, axisName, units] :
         {std::tuple{901, &s.ZDrive(), "ZDrive", 8}, {904, &s.PiezoZ(), "PiezoZ", 12}, {906, &s.XAxis(), "XAxis", 5},
          {908, &s.YAxis(), "YAxis", 5}})
        for (const int sign : {1, -1})
            expected[code + (1 - sign) / 2] = [name = std::string(axisName), axis, step = sign * units] {
                return name + ".MoveAbsolute(" + std::to_string(axis->Position()->Value() + step) + ")";
            };
    for (int n = 1; n <= 4; ++n)
        expected[990 + n] = fixed(std::string("ApplyMode(\"") + std::array{"BF", "PH", "GFP", "DIC"}[n - 1] + "\")");
    // Code 11 has its own test; 1, 88 and 903 change the pad only (what the step
    // size does to the step: PadStepping); 14 opens a dialog.

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
            // Each run advances the step-size button; the third brings it
            // back to the first step, so that the spins below step by the base step.
            const char* name = code == 1 ? "picStageZ" : code == 88 ? "picStageXY" : "picStagePiezo";
            for (const int state : {2, 3, 1}) {
                EXPECT_EQ(Find<usrMPButton>(name)->state(), state) << name;
                if (state != 1)
                    RunCode(code);
            }
        }
        const std::vector<std::string> writes = WritesSinceMark();
        if (call.empty()) {
            EXPECT_TRUE(writes.empty()) << "code " << code << ": " << (writes.empty() ? "" : writes[0]);
            continue;
        }
        ++checked;
        EXPECT_TRUE(std::any_of(writes.begin(), writes.end(), [&](const std::string& write) {
            return write.find(" " + call) != std::string::npos || write.find("." + call) != std::string::npos;
        })) << "code " << code << " expected " << call << " got " << (writes.empty() ? "nothing" : writes[0]);
        // Apart from a spin's speed and tolerance, one function is one call
        // (a mode is one call that drives the devices of the mode).
        if (code >= 991)
            continue;
        EXPECT_EQ(std::count_if(writes.begin(), writes.end(), [](const std::string& write) {
                      return write.find("SetSpeed(") == std::string::npos && write.find("SetTolerance(") == std::string::npos;
                  }), 1) << "code " << code;
    }
    EXPECT_EQ(checked, static_cast<int>(expected.size()));
    TimerErgo()->stop();
}

} // namespace
} // namespace zotest

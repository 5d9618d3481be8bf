// clsZo: the device table, connecting and the accessory check, the passes
// over the components, and disconnecting.

#include "AccessoriesFixture.h"

#include <ZoVersion.h>

namespace zotest {
namespace {

using Components = std::vector<const clsComponent*>;

class ZoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseFreshProgramFolder();
        traceFile = (TestEnv::FreshDir("trace") / "trace.txt").string();
    }

    // A model holding a fresh, unconnected simulated microscope.
    void Make(const std::string& description = "")
    {
        zo.reset();
        sim = std::make_unique<SimMicroscope>(
            SimOptions{.description = description, .traceFile = traceFile, .connect = false});
        zo = std::make_unique<clsZo>();
        zo->Scope = sim->Release();
    }

    // The components each pass reaches, in order; each reaches also reach
    // (when given) at the moment the pass gets to it.
    Components Observe(const std::function<void()>& action, clsZo::Pass expected,
                       const std::function<void(const clsComponent&)>& reach = nullptr)
    {
        Components seen;
        zo->PassObserver = [&](const clsComponent& component, clsZo::Pass pass) {
            EXPECT_EQ(pass, expected);
            seen.push_back(&component);
            if (reach)
                reach(component);
        };
        action();
        zo->PassObserver = nullptr;
        return seen;
    }

    std::vector<std::string> TraceLines(const std::string& text) const { return LinesContaining(traceFile, text); }
    int Traced(const std::string& text) const { return static_cast<int>(TraceLines(text).size()); }
    std::vector<std::string> Shown() const { return ui.StyledBoxes(); }
    static std::string Box(int style, int message, const std::string& extra)
    {
        return ScriptedUi::Styled(style, func_JoinLines(func_GetMessage(message), extra));
    }

    ScriptedUi ui;
    ScopedUi scopedUi{ui};
    std::string traceFile;
    std::unique_ptr<SimMicroscope> sim; // before zo: zo holds its Scope
    std::unique_ptr<clsZo> zo;
};

TEST_F(ZoTest, TablesIgnoreIndexesOutsideThem)
{
    Make();
    for (int i : {-1, 25, 1000}) {
        zo->SetIsMounted(i, 1);
        EXPECT_EQ(zo->IsMounted(i), 0) << i;
    }
    for (int i : {-1, 15}) {
        zo->SetFileItem(i, true);
        EXPECT_FALSE(zo->FileItem(i)) << i;
    }
}

TEST_F(ZoTest, ConnectChecksEveryDeviceAndReportsProgress)
{
    Make("[Instrument]\nSystemType = 3\n[Mounted]\nTIRF = 0\nPiezoZ = 0\n");
    zo->SetIsMounted(13, 1); // left over from an earlier connection
    ASSERT_TRUE(zo->func_Connect(0));
    EXPECT_EQ(zo->ConnectedIndex(), 0);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(zo->IsMounted(i), (i == 13 || i == 17) ? 0 : 1) << i;
    EXPECT_EQ(std::tuple(zo->IsMounted(24), zo->SystemType()), std::tuple(0, 3));
    EXPECT_EQ(ui.Progress(), (std::vector<int>{5, 10, 45}));
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(Traced("SetCurrentMicroscope(\"Simulator\")"), 1);
}

TEST_F(ZoTest, DevicesThatDoNotAnswerAreListedInOneCriticalMessageInIndexOrderByTheirNames)
{
    Make();
    sim->control().SetNotAnswering(17);
    sim->control().SetNotAnswering(3);
    ASSERT_TRUE(zo->func_Connect(0));
    EXPECT_EQ(std::tuple(zo->IsMounted(3), zo->IsMounted(17), zo->IsMounted(4)), std::tuple(0, 0, 1));
    // Each line is the device's display name and message 110.
    const auto line = [](int device) { return g_LangDeviceName.DeviceNames[device] + " " + func_GetMessage(110); };
    EXPECT_EQ(Shown(), std::vector{Box(UiServices::MB_CRITICAL, 62, line(3) + "\r\n" + line(17))});
    EXPECT_FALSE(g_LangDeviceName.DeviceNames[3].empty());
}

TEST_F(ZoTest, FailedConnectShowsMessage58WithTheNumberAndKeepsTheIndexForTheDisconnect)
{
    Make();
    sim->control().FailCall("Microscopes[0]", "Connect", ZOSCOPELib::ConnectFailed);
    EXPECT_FALSE(zo->func_Connect(0));
    EXPECT_EQ(Shown(), std::vector{Box(UiServices::MB_OK, 58, std::to_string(ZOSCOPELib::ConnectFailed))});
    EXPECT_EQ(zo->ConnectedIndex(), 0);
    EXPECT_TRUE(zo->func_Disconnect());
    EXPECT_EQ(Traced("Microscopes[0].Disconnect()"), 1);
}

TEST_F(ZoTest, ConnectWithoutARootObjectOrToAMissingEntryFails)
{
    zo = std::make_unique<clsZo>();
    EXPECT_FALSE(zo->func_Connect(0));
    Make();
    EXPECT_FALSE(zo->func_Connect(4));
    EXPECT_EQ(Shown(), (std::vector{Box(UiServices::MB_OK, 58, std::to_string(ZOSCOPELib::NotConnected)),
                                    Box(UiServices::MB_OK, 58, std::to_string(ZOSCOPELib::OutOfRange))}));
}

TEST_F(ZoTest, DisconnectTwiceOrByDestructionDisconnectsOnce)
{
    Make();
    ASSERT_TRUE(zo->func_Connect(0));
    EXPECT_TRUE(zo->func_Disconnect());
    EXPECT_EQ(std::tuple(zo->Scope == nullptr, zo->ConnectedIndex()), std::tuple(true, -1));
    EXPECT_TRUE(zo->func_Disconnect());
    // The entry is made current again before it is let go, once.
    const std::vector<std::string> calls = TraceLines("Microscope");
    ASSERT_GE(calls.size(), 2u);
    EXPECT_NE(calls[calls.size() - 2].find("Scope.SetCurrentMicroscope(\"Simulator\")"), std::string::npos);
    EXPECT_NE(calls.back().find("Microscopes[0].Disconnect()"), std::string::npos);
    EXPECT_EQ(Traced(".Disconnect()"), 1);

    // Destroying a connected model disconnects; a never connected one has
    // nothing to disconnect.
    Make();
    ASSERT_TRUE(zo->func_Connect(0));
    zo.reset();
    EXPECT_EQ(Traced("Microscopes[0].Disconnect()"), 2);
    Make();
    zo.reset();
    EXPECT_EQ(Traced(".Disconnect()"), 2);
}

TEST_F(ZoTest, ControlInfoAndReceiveReadTheirComponentsInOrder)
{
    Make();
    ASSERT_TRUE(zo->func_Connect(0));
    ui.ClearRecord();
    Components seen = Observe([&] { EXPECT_TRUE(zo->func_ControlInfo()); }, clsZo::Pass::ReadSdk);
    EXPECT_EQ(seen, (Components{zo->Version.get(), zo->ConnectFilter.get(), zo->Filter1.get(), zo->Filter2.get(),
                                zo->DBObjective.get(), zo->ConnectShutter.get(), zo->ConnectMicroscope.get(),
                                zo->ObservationMode.get()}));
    EXPECT_EQ(ui.Progress(), (std::vector<int>{55, 60}));
    seen = Observe([&] { EXPECT_TRUE(zo->func_Receive()); }, clsZo::Pass::ReadSdk);
    EXPECT_EQ(seen, (Components{zo->DbCondenser.get(), zo->DBBAFilter.get(), zo->DbEXFilter.get(), zo->DbFilter.get(),
                                zo->ConnectPiezoStage.get(), zo->ShortcutKey.get(), zo->ErgoKey.get()}));
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ZoTest, ReadErrorsAreCollectedIntoOneCriticalMessage65)
{
    Make();
    ASSERT_TRUE(zo->func_Connect(0));
    ui.ClearRecord();
    sim->control().FailCall("EpiShutter", "GetConnection", ZOSCOPELib::NotAnswering);
    EXPECT_FALSE(zo->func_ControlInfo());
    ASSERT_EQ(Shown().size(), 1u);
    const std::string text = Shown()[0];
    EXPECT_EQ(text.rfind(Box(UiServices::MB_CRITICAL, 65, "") + "\r\n", 0), 0u) << text;
    EXPECT_NE(text.find(std::to_string(ZOSCOPELib::NotAnswering)), std::string::npos) << text;
    // The reads after the failing one still ran.
    EXPECT_EQ(ui.Progress(), (std::vector<int>{55, 60}));
}

TEST_F(ZoTest, SendWithNothingChangedWritesEveryComponentOnceInOrderAndSendsNothing)
{
    Make();
    ASSERT_TRUE(zo->func_Connect(0));
    ASSERT_TRUE(zo->func_ControlInfo());
    ASSERT_TRUE(zo->func_Receive());
    const std::size_t callsBefore = TraceLines("").size();

    std::vector<bool> modesBusy;
    const Components seen = Observe([&] { EXPECT_EQ(zo->func_Send(), ""); }, clsZo::Pass::WriteSdk,
                                    [&](const clsComponent&) {
                                        modesBusy.push_back(zo->ModeALF->Busy && zo->ModeRotation->Busy);
                                    });
    EXPECT_EQ(seen, (Components{zo->DBObjective.get(), zo->Objective.get(), zo->DbCondenser.get(),
                                zo->Condenser.get(), zo->DbFilter.get(), zo->Filter1.get(), zo->Filter2.get(),
                                zo->DBBAFilter.get(), zo->BAFilter.get(), zo->DbEXFilter.get(), zo->EXFilter.get(),
                                zo->ConnectShutter.get(), zo->ConnectKMX.get(), zo->ConnectFilter.get(),
                                zo->ModeALF.get(), zo->ModeRotation.get(), zo->ErgoKey.get(),
                                zo->ObservationMode.get(), zo->ConnectPiezoStage.get()}));
    // Busy exactly while the two modes are written.
    std::vector<bool> expectedBusy(seen.size(), false);
    expectedBusy[14] = expectedBusy[15] = true;
    EXPECT_EQ(modesBusy, expectedBusy);
    EXPECT_FALSE(zo->ModeALF->Busy || zo->ModeRotation->Busy);

    // Nothing differs from what was read, so nothing is written.
    const std::vector<std::string> calls = TraceLines("");
    for (std::size_t n = callsBefore; n < calls.size(); ++n)
        EXPECT_EQ(calls[n].find(".Set"), std::string::npos) << calls[n];
}

// Dropping a connected model disconnects it: DisconnectTwiceOrByDestruction.
TEST_F(ZoTest, TheProgramWideModelIsMadeOnFirstUseAndDroppedByReset)
{
    clsZo* first = &*g_Zo;
    EXPECT_EQ(std::tuple(&g_Zo.get(), g_Zo.exists()), std::tuple(first, true));
    g_Zo.reset();
    EXPECT_FALSE(g_Zo.exists());
}

TEST_F(ZoTest, VersionHoldsTheProgramTheLibraryAndTheUnits)
{
    Make("[Instrument]\nSystemType = 3\nUnitVersion.1 = 3.10\nUnitVersion.2 = 1.02\n");
    clsVersion& version = *zo->Version;
    // No connection yet: the program's and the library's versions only.
    EXPECT_EQ(version.func_ReadSdk(), "");
    EXPECT_EQ(version.Version(0) + "|" + version.Version(1) + "|" + version.Version(2),
              std::string(ZO_VERSION_TEXT) + "|" + ZOSCOPELib::LibraryVersion() + "|");
    EXPECT_EQ(version.SystemType(), -1);

    ASSERT_TRUE(zo->func_Connect(0));
    EXPECT_EQ(version.func_ReadSdk(), "");
    EXPECT_EQ(std::tuple(version.Version(2) + "|" + version.Version(3), version.SystemType()),
              std::tuple("3.10|1.02", 3));
    EXPECT_EQ(version.Version(-1) + version.Version(clsVersion::EntryCount), "");

    // A unit that does not answer leaves its entry empty and is no error.
    sim->control().FailCall("Scope", "UnitVersion", ZOSCOPELib::NotAnswering, 1);
    EXPECT_EQ(version.func_ReadSdk(), "");
    EXPECT_EQ(version.Version(2) + "|" + version.Version(3), "|1.02");
    // Nor does a system type the SDK cannot tell: it reads as not known.
    sim->control().FailCall("Scope", "SystemType", ZOSCOPELib::NotAnswering, 1);
    EXPECT_EQ(version.func_ReadSdk(), "");
    EXPECT_EQ(version.SystemType(), -1);
}

} // namespace
} // namespace zotest

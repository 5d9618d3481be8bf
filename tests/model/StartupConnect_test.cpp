// Which microscope opens: the command line, "/SIM", the stored device number,
// and what the user is told when nothing can be opened.

#include "StartupFixture.h"

namespace zotest {
namespace {

class ConnectMicroscope : public StartupTest {
protected:
    // Connects with these arguments after the program path (disconnecting
    // what an earlier call opened); the entry that opened, or -1.
    int32_t Open(std::vector<std::string> arguments)
    {
        if (g_Zo.exists())
            g_Zo->func_Disconnect();
        arguments.insert(arguments.begin(), "/opt/zo/ZoControl");
        return ConnectMicroscopeWith(arguments) ? g_Zo->ConnectedIndex() : -1;
    }
    bool Shown(int number) const { return At(Box(number)) >= 0; }
};

TEST_F(ConnectMicroscope, SimSwitchInAnyLetterCaseOpensTheSimulatorWithMessage60)
{
    UseInstrument(TwoMicroscopes);
    for (const char* spelling : {"/SIM", "/sim", "/Sim"}) {
        log.clear();
        EXPECT_EQ(Open({spelling}), 0) << spelling;
        EXPECT_TRUE(Shown(60)) << spelling;
    }
    // Something that only looks like the switch is not it.
    log.clear();
    EXPECT_EQ(Open({"/SIMX"}), 1);
    EXPECT_FALSE(Shown(60));
}

TEST_F(ConnectMicroscope, AnEarlierArgumentNamingAMicroscopeWinsOverTheSimSwitch)
{
    UseInstrument(TwoMicroscopes);
    EXPECT_EQ(Open({"Beta", "/SIM"}), 2);
    EXPECT_FALSE(Shown(60));
    // Arguments that name nothing are passed over on the way to the switch.
    EXPECT_EQ(Open({"nothing", "/sim", "Beta"}), 0);
    EXPECT_TRUE(Shown(60));
}

TEST_F(ConnectMicroscope, NamesMatchExactlyAndOnlyAvailableEntries)
{
    UseInstrument("[Instrument]\n"
                  "Microscope.1 = Alpha, available\n"
                  "Microscope.2 = Beta, available\n"
                  "Microscope.3 = Gamma, unavailable\n");
    g_DeviceNo = 1; // Beta, were nothing named
    EXPECT_EQ(Open({"Alpha"}), 1);
    // Another letter case names nothing: the stored device number decides.
    EXPECT_EQ(Open({"alpha"}), 2);
    EXPECT_EQ(Open({"Alpha "}), 2);
    // An unavailable entry is never matched by name.
    EXPECT_EQ(Open({"Gamma"}), 2);
    EXPECT_FALSE(Shown(59));
}

TEST_F(ConnectMicroscope, StoredDeviceNumberCountsTheRealMicroscopesAndIsIgnoredOutOfRange)
{
    UseInstrument(TwoMicroscopes);
    const std::vector<std::pair<int16_t, int32_t>> cases = {{0, 1}, {1, 2}, {2, 1}, {5, 1}, {-1, 1}};
    for (const auto& [deviceNo, entry] : cases) {
        g_DeviceNo = deviceNo;
        EXPECT_EQ(Open({}), entry) << "DeviceNo " << deviceNo;
    }
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ConnectMicroscope, PendingRestartPutsTheStoredNumberAboveTheArguments)
{
    UseInstrument(TwoMicroscopes);
    g_DeviceNo = 1;
    g_RestartFlag = true;
    EXPECT_EQ(Open({"Alpha"}), 2);
    g_DeviceNo = 7; // out of range: the argument's choice stands
    EXPECT_EQ(Open({"Alpha"}), 1);
}

TEST_F(ConnectMicroscope, OnlyTheSimulatorAndNoSwitchShowsMessage56AndConnectsNothing)
{
    g_DeviceNo = 0;
    EXPECT_EQ(Open({"Alpha"}), -1);
    EXPECT_EQ(log, (Log{"create scope", Box(56)}));
    EXPECT_TRUE(TraceLines("Connect(").empty());
}

TEST_F(ConnectMicroscope, AnUnavailableChoiceShowsMessage59)
{
    UseInstrument("[Instrument]\n"
                  "Microscope.1 = Alpha, unavailable\n"
                  "Microscope.2 = Beta, available\n");
    g_DeviceNo = 0;
    EXPECT_EQ(Open({}), -1);
    EXPECT_EQ(log, (Log{"create scope", Box(59)}));
    // Without a stored choice the first real microscope is the choice, and
    // it is checked the same way.
    log.clear();
    g_DeviceNo = 9;
    EXPECT_EQ(Open({}), -1);
    EXPECT_TRUE(Shown(59));
    EXPECT_TRUE(TraceLines("Connect(").empty());
}

TEST_F(ConnectMicroscope, AFailingConnectShowsMessage58WithTheErrorNumberOnce)
{
    UseInstrument(TwoMicroscopes, [](ZOSCOPELib::sim::Control& control) {
        control.FailCall("Microscopes[1]", "Connect", ZOSCOPELib::ConnectFailed);
    });
    EXPECT_EQ(Open({}), -1);
    EXPECT_EQ(log, (Log{"create scope", "busy on", Box(58, std::to_string(ZOSCOPELib::ConnectFailed)), "busy off"}));
}

TEST_F(ConnectMicroscope, ARootObjectThatCannotBeMadeIsAFailedConnection)
{
    host.factory = []() -> std::unique_ptr<ZOSCOPELib::Scope> {
        throw ZOSCOPELib::SdkError("ZOSCOPELib", ZOSCOPELib::InvalidArgument, "bad instrument file");
    };
    EXPECT_EQ(Open({"/SIM"}), -1);
    EXPECT_EQ(log, (Log{"create scope", Box(58, std::to_string(ZOSCOPELib::InvalidArgument))}));
}

TEST_F(ConnectMicroscope, ASuccessfulConnectReadsTheDevicesAndTheConfigurationUnderTheHourglass)
{
    UseInstrument(TwoMicroscopes);
    EXPECT_EQ(Open({}), 1);
    EXPECT_EQ(log, (Log{"create scope", "busy on", "busy off"}));
    EXPECT_EQ(ui.Progress().back(), 60) << "the configuration was read too";
    EXPECT_EQ(TraceLines("SetCurrentMicroscope(\"Alpha\")").size(), 1u);
}

TEST(CommandArgs, ProgramFirstThenTheArgumentsAsReceived)
{
    using Args = std::vector<std::string>;
    EXPECT_EQ(CommandArgsFrom("/opt/zo/ZoControl", std::string_view("./ZoControl\0/SIM\0", 17)),
              (Args{"/opt/zo/ZoControl", "/SIM"}));
    // Blanks stay inside their argument; an empty argument is kept.
    EXPECT_EQ(CommandArgsFrom("/p", std::string_view("p\0Lab scope 2\0\0x\0", 17)), (Args{"/p", "Lab scope 2", "", "x"}));
    EXPECT_EQ(CommandArgsFrom("/p", std::string_view("p\0", 2)), (Args{"/p"}));
    EXPECT_EQ(CommandArgsFrom("/p", ""), (Args{"/p"}));
}

TEST(CommandArgs, ThisProcessGivesItsOwnAbsolutePathAndArguments)
{
    const std::vector<std::string> args = func_GetCommandArgs();
    ASSERT_FALSE(args.empty());
    const std::filesystem::path program(args[0]);
    EXPECT_TRUE(program.is_absolute()) << args[0];
    EXPECT_TRUE(std::filesystem::is_regular_file(program)) << args[0];
    EXPECT_EQ(program.filename(), "zo_model_tests");
    const std::vector<std::string> received = ::testing::internal::GetArgvs();
    ASSERT_EQ(args.size(), received.size());
    for (std::size_t i = 1; i < args.size(); ++i)
        EXPECT_EQ(args[i], received[i]);
}

} // namespace
} // namespace zotest

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
};

// The entry that opens (0 the simulator) for the arguments after the program
// path, the stored device number and a pending restart. Message 60 says that
// the simulator opens; nothing else is shown.
TEST_F(ConnectMicroscope, TheArgumentsTheStoredNumberAndARestartChooseTheEntry)
{
    const std::string withGamma = std::string(TwoMicroscopes) + "Microscope.3 = Gamma, unavailable\n";
    const struct {
        std::string instrument;
        std::vector<std::string> args;
        int16_t deviceNo; // counts the real microscopes
        bool restart;
        int32_t entry;
    } cases[] = {
        {TwoMicroscopes, {"/SIM"}, 0, false, 0}, // the switch in any letter case
        {TwoMicroscopes, {"/sim"}, 0, false, 0},
        {TwoMicroscopes, {"/Sim"}, 0, false, 0},
        {TwoMicroscopes, {"/SIMX"}, 0, false, 1},
        {TwoMicroscopes, {"Beta", "/SIM"}, 0, false, 2},           // an earlier name wins
        {TwoMicroscopes, {"nothing", "/sim", "Beta"}, 0, false, 0}, // names of nothing are passed over
        {withGamma, {"Alpha"}, 1, false, 1},                        // names match exactly
        {withGamma, {"alpha"}, 1, false, 2},
        {withGamma, {"Alpha "}, 1, false, 2},
        {withGamma, {"Gamma"}, 1, false, 2}, // an unavailable entry is never named
        {TwoMicroscopes, {}, 0, false, 1},
        {TwoMicroscopes, {}, 1, false, 2},
        {TwoMicroscopes, {}, 2, false, 1}, // out of range: ignored
        {TwoMicroscopes, {}, 5, false, 1},
        {TwoMicroscopes, {}, -1, false, 1},
        {TwoMicroscopes, {"Alpha"}, 1, true, 2}, // a pending restart puts the stored number first
        {TwoMicroscopes, {"Alpha"}, 7, true, 1},
    };
    for (const auto& c : cases) {
        UseInstrument(c.instrument);
        g_DeviceNo = c.deviceNo;
        g_RestartFlag = c.restart;
        ui.ClearRecord();
        const std::string shown = c.args.empty() ? "" : c.args[0];
        EXPECT_EQ(Open(c.args), c.entry) << shown << " DeviceNo " << c.deviceNo;
        EXPECT_EQ(ui.BoxTexts(), c.entry == 0 ? std::vector{func_GetMessage(60)} : std::vector<std::string>{}) << shown;
    }
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
    EXPECT_EQ(log, (Log{"create scope", Box(59)}));
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
    EXPECT_EQ(std::vector(args.begin() + 1, args.end()), std::vector(received.begin() + 1, received.end()));
}

} // namespace
} // namespace zotest

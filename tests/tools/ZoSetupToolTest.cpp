// zosetup as facility staff run it: the built program on files it did not
// write itself, its output and its exit codes.

#include "ProgramFolder.h"
#include "TestEnv.h"

#include "core/mdlCommon.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class ZoSetupTool : public ::testing::Test {
protected:
    // The expected texts come from the same language file the tool reads.
    void SetUp() override
    {
        zotest::UseBuiltLanguage();
        folder = zotest::TestEnv::FreshDir("zosetup");
    }

    Result Run(const std::vector<std::string>& args)
    {
        std::string command = Quoted((zotest::TestEnv::RuntimeDir() / "zosetup").string());
        for (const std::string& arg : args)
            command += " " + Quoted(arg);
        const fs::path errFile = folder / "stderr.txt";
        command += " 2>" + Quoted(errFile.string());
        Result result;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr)
            return result;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            result.out.append(buffer, n);
        const int status = ::pclose(pipe);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = zotest::ReadText(errFile);
        return result;
    }

    std::string Write(const std::string& name, const std::string& text)
    {
        zotest::WriteText(folder / name, text);
        return (folder / name).string();
    }

    // An instrument whose shutter makers all lie within the language file's
    // limits, so that its own saved file loads without a rejection.
    std::string Instrument() { return Write("instrument.ini", "[AuxShutter]\nMaker = 2\n"); }

    static std::string Message(int number) { return func_GetMessage(number) + "\n"; }

    // What the microscope keeps, as a later dump shows it.
    nlohmann::json Kept() { return nlohmann::json::parse(Run({"dump", Write("nothing.xml", "<ZOSETUP/>")}).out); }

    fs::path folder;
};

TEST_F(ZoSetupTool, ASavedFileChecksCleanAndItsDumpShowsTheModel)
{
    const std::string file = (folder / "saved.xml").string();
    const Result save = Run({"save", file, "--sim", Instrument()});
    EXPECT_EQ(std::tuple(save.exitCode, save.out), std::tuple(0, Message(53))) << save.err;

    const Result check = Run({"check", file, "--sim", Instrument()});
    EXPECT_EQ(std::tuple(check.exitCode, check.out), std::tuple(0, "")) << check.err;

    const Result dump = Run({"dump", file, "--sim", Instrument()});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    const nlohmann::ordered_json model = nlohmann::ordered_json::parse(dump.out);
    std::string members;
    for (const auto& item : model.items())
        members += item.key() + " ";
    EXPECT_EQ(members, "Objective DBObjective Condenser DbCondenser Filter1 DbFilter Filter2 BAFilter DBBAFilter EXFilter "
                       "DbEXFilter ConnectShutter ConnectKMX ModeALF ModeRotation ObservationMode ConnectFilter ErgoKey "
                       "RemoteKey ShortcutKey ConnectMicroscope ConnectPiezoStage Version ");
    EXPECT_EQ(model["ConnectShutter"]["Maker"], nlohmann::json::parse("[2, 2]"));
    EXPECT_EQ(model["ObservationMode"]["Name"][2], "GFP");
    EXPECT_EQ(model["ErgoKey"]["KeyAB"][0], nlohmann::json::parse("[70, 71]"));
}

// Which entries a file loads and which it rejects, with which message, is the
// setup-file tests' (SetupFiles, OpticsElements); the tool adds its exit codes
// and where the report goes.
TEST_F(ZoSetupTool, AFileWithABadEntryReportsItAndExitsOne)
{
    const std::string file = Write("hand.xml", "<ZOSETUP><ALF><VALUE STATUS='on'/></ALF>"
                                               "<ROTATIONSTOPPER><VALUE STATUS='off'/></ROTATIONSTOPPER>"
                                               "<REMOTECONTROL><KEY ID='4' FUNCTION='93'/></REMOTECONTROL></ZOSETUP>");
    const Result check = Run({"check", file});
    EXPECT_EQ(std::tuple(check.exitCode, check.out),
              std::tuple(1, Message(55) + func_GetMessage(101) + "[on]\n" + func_GetMessage(102) + "[off]\n"));

    const Result dump = Run({"dump", file});
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_EQ(dump.err, check.out) << "the report goes aside, the JSON stays clean";
    EXPECT_EQ(nlohmann::json::parse(dump.out)["RemoteKey"]["Key"][3], 93);
}

TEST_F(ZoSetupTool, AFileThatIsNoSetupFileOrCannotBeWrittenExitsTwo)
{
    const std::string foreign = Write("foreign.xml", "<?xml version='1.0'?><SETTINGS><ALF/></SETTINGS>");
    // The message goes aside from dump's JSON.
    for (const std::string verb : {"check", "dump", "apply"}) {
        const Result r = Run({verb, foreign});
        EXPECT_EQ(std::tuple(r.exitCode, verb == "dump" ? r.err + r.out : r.out), std::tuple(2, Message(52))) << verb;
    }
    EXPECT_EQ(Run({"check", (folder / "absent.xml").string()}).exitCode, 2);

    const Result save = Run({"save", (folder / "no" / "folder" / "out.xml").string()});
    EXPECT_EQ(save.exitCode, 2);
    EXPECT_EQ(save.out.rfind(Message(54), 0), 0u) << save.out;
}

TEST_F(ZoSetupTool, AnAppliedFileStaysWithTheMicroscope)
{
    const std::string file = Write("apply.xml", "<ZOSETUP><ALF><VALUE STATUS='True'/></ALF>"
                                                "<PIEZOSTAGE><CONNECTED STATUS='-1'/></PIEZOSTAGE></ZOSETUP>");
    // Looking at a file changes nothing the microscope keeps.
    EXPECT_EQ(Run({"check", file}).exitCode, 0);
    EXPECT_EQ(Kept()["ModeALF"]["IsALFOn"], 0);

    const Result apply = Run({"apply", file});
    EXPECT_EQ(std::tuple(apply.exitCode, apply.out), std::tuple(0, "")) << apply.err;
    const nlohmann::json kept = Kept();
    EXPECT_EQ(std::tuple(kept["ModeALF"]["IsALFOn"], kept["ConnectPiezoStage"]["Connected"]), std::tuple(1, -1));
}

TEST_F(ZoSetupTool, AnApplyTheMicroscopeRefusesExitsOneWithTheFailedItem)
{
    const std::string file = Write("alf.xml", "<ZOSETUP><ALF><VALUE STATUS='True'/></ALF></ZOSETUP>");
    const std::string refusing = Write("refusing.ini", "[Faults]\nNosepiece.SetALFMode = 1005, 1\n");

    const Result apply = Run({"apply", file, "--sim", refusing});
    EXPECT_EQ(std::tuple(apply.exitCode, apply.out), std::tuple(1, Message(64) + func_GetMessage(101) + "[1]\n"))
        << apply.err;
    EXPECT_EQ(Kept()["ModeALF"]["IsALFOn"], 0) << "the refused write is not kept";
}

TEST_F(ZoSetupTool, AWrongCommandLineIsExplained)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"check"}, {"verify", "x.xml"}, {"check", "x.xml", "--sim"}, {"check", "x.xml", "extra"},
             {"dump", ""}}) {
        const Result r = Run(args);
        EXPECT_EQ(std::tuple(r.exitCode, r.out), std::tuple(2, ""));
        EXPECT_NE(r.err.find("usage: zosetup check FILE [--sim DESCRIPTION]"), std::string::npos) << r.err;
    }
    const Result badSim = Run({"check", Write("ok.xml", "<ZOSETUP/>"), "--sim", Write("bad.ini", "[Nowhere]\nx=1\n")});
    EXPECT_EQ(badSim.exitCode, 2);
    EXPECT_NE(badSim.err.find("bad.ini"), std::string::npos) << badSim.err;
}

} // namespace

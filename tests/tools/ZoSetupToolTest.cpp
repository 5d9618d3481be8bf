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

using zotest::ReadText;

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
        result.err = ReadText(errFile);
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
    std::vector<std::string> members;
    for (const auto& item : model.items())
        members.push_back(item.key());
    EXPECT_EQ(members, (std::vector<std::string>{"Objective", "DBObjective", "Condenser", "DbCondenser", "Filter1",
                                                 "DbFilter", "Filter2", "BAFilter", "DBBAFilter", "EXFilter",
                                                 "DbEXFilter", "ConnectShutter", "ConnectKMX", "ModeALF",
                                                 "ModeRotation", "ObservationMode", "ConnectFilter", "ErgoKey",
                                                 "RemoteKey", "ShortcutKey", "ConnectMicroscope",
                                                 "ConnectPiezoStage", "Version"}));
    EXPECT_EQ(model["ConnectShutter"]["Maker"], nlohmann::json::parse("[2, 2]"));
    EXPECT_EQ(model["ObservationMode"]["Name"][2], "GFP");
    EXPECT_EQ(model["ErgoKey"]["KeyAB"][0], nlohmann::json::parse("[70, 71]"));
}

TEST_F(ZoSetupTool, AHandMadeFileWithBadEntriesListsThemAndExitsOne)
{
    const std::string file = Write("hand.xml", "<zosetup>\n"
                                               "  <camera><value id='1' brand='3' type='0'/></camera>\n"
                                               "  <Alf><Value Status='on'/></Alf>\n"
                                               "  <RemoteControl><Key ID='4' FUNCTION='93'/></RemoteControl>\n"
                                               "  <nosepiece><item position='2' code='7' esc='true'/></nosepiece>\n"
                                               "</zosetup>\n");
    const Result check = Run({"check", file});
    EXPECT_EQ(std::tuple(check.exitCode, check.out),
              std::tuple(1, Message(55) + func_GetMessage(98) + "[1]\n" + func_GetMessage(101) + "[on]\n"));

    const Result dump = Run({"dump", file});
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_EQ(dump.err, check.out) << "the report goes aside, the JSON stays clean";
    // What the accepted entries load is the setup-file tests' (SetupFiles, OpticsElements).
    EXPECT_EQ(nlohmann::json::parse(dump.out)["RemoteKey"]["Key"][3], 93);
}

TEST_F(ZoSetupTool, TruncatedForeignAndMissingFilesCannotBeUsed)
{
    const std::string saved = (folder / "whole.xml").string();
    ASSERT_EQ(Run({"save", saved}).exitCode, 0);
    const std::string text = ReadText(saved);
    const std::string truncated = Write("truncated.xml", text.substr(0, text.size() / 2));
    const std::string foreign = Write("foreign.xml", "<?xml version='1.0'?><SETTINGS><ALF/></SETTINGS>");

    // Each verb with one of the files: the message goes aside from dump's JSON.
    const std::tuple<const char*, std::string, int> cases[] = {
        {"check", truncated, 51}, {"dump", foreign, 52}, {"apply", truncated, 51}};
    for (const auto& [verb, file, message] : cases) {
        const Result r = Run({verb, file});
        EXPECT_EQ(std::tuple(r.exitCode, std::string(verb) == "dump" ? r.err + r.out : r.out), std::tuple(2, Message(message)))
            << verb;
    }
    EXPECT_EQ(Run({"check", (folder / "absent.xml").string()}).exitCode, 2);
}

TEST_F(ZoSetupTool, AnAppliedFileStaysWithTheMicroscope)
{
    const std::string file = Write("apply.xml", "<ZOSETUP><ALF><VALUE STATUS='True'/></ALF>"
                                                "<PIEZOSTAGE><CONNECTED STATUS='-1'/></PIEZOSTAGE></ZOSETUP>");
    const std::string nothing = Write("nothing.xml", "<ZOSETUP/>");

    // Looking at a file changes nothing the microscope keeps.
    EXPECT_EQ(Run({"check", file}).exitCode, 0);
    nlohmann::json model = nlohmann::json::parse(Run({"dump", nothing}).out);
    EXPECT_EQ(model["ModeALF"]["IsALFOn"], 0);

    const Result apply = Run({"apply", file});
    EXPECT_EQ(std::tuple(apply.exitCode, apply.out), std::tuple(0, "")) << apply.err;
    model = nlohmann::json::parse(Run({"dump", nothing}).out);
    EXPECT_EQ(model["ModeALF"]["IsALFOn"], 1) << "read back from the microscope";
    EXPECT_EQ(model["ConnectPiezoStage"]["Connected"], -1);
}

TEST_F(ZoSetupTool, AnApplyTheMicroscopeRefusesExitsOneWithTheFailedItem)
{
    const std::string file = Write("alf.xml", "<ZOSETUP><ALF><VALUE STATUS='True'/></ALF></ZOSETUP>");
    const std::string refusing = Write("refusing.ini", "[Faults]\nNosepiece.SetALFMode = 1005, 1\n");

    const Result apply = Run({"apply", file, "--sim", refusing});
    EXPECT_EQ(std::tuple(apply.exitCode, apply.out), std::tuple(1, Message(64) + func_GetMessage(101) + "[1]\n"))
        << apply.err;
    const nlohmann::json model = nlohmann::json::parse(Run({"dump", Write("nothing.xml", "<ZOSETUP/>")}).out);
    EXPECT_EQ(model["ModeALF"]["IsALFOn"], 0) << "the refused write is not kept";
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

TEST_F(ZoSetupTool, AFailedSaveExitsTwoWithItsReport)
{
    const Result r = Run({"save", (folder / "no" / "folder" / "out.xml").string()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out.rfind(Message(54), 0), 0u) << r.out;
}

} // namespace

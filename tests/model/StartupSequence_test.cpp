// The splash's connect step, the main window's unload, the restart with
// another microscope and the previous-instance guard, in the order the
// windows and the user see them.

#include "StartupFixture.h"

#include "core/LockFile.h"
#include "core/clsIniEdit.h"

#include <sys/stat.h>

namespace zotest {
namespace {

bool Exists(const std::filesystem::path& path)
{
    return std::filesystem::exists(path);
}

class StartupSequence : public StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        UseInstrument(TwoMicroscopes);
        sub_ReadUseLanguage(); // where the language selection goes
        std::filesystem::remove(g_UseLanguagePath);
        log.clear();
    }

    std::filesystem::path SettingsFile() const { return appDir / "ZoControl.INI"; }
};

TEST_F(StartupSequence, ConnectStepLoadsTheMainWindowBehindTheSplashAndFlushesInputBeforeShowingIt)
{
    sub_ConnectStep();
    EXPECT_EQ(log, (Log{"busy on", "splash disabled", "create scope", "busy on", "busy off", "load main window",
                        "hide splash", "splash enabled", "flush input", "show main window", "busy off"}));
    EXPECT_EQ(ui.Progress().front(), 0);
    EXPECT_EQ(g_Zo->ConnectedIndex(), 1);
}

TEST_F(StartupSequence, AFailedConnectStepEndsTheProcessWithoutAMainWindow)
{
    g_DeviceNo = 0;
    UseInstrument(TwoMicroscopes, [](ZOSCOPELib::sim::Control& control) {
        control.FailCall("*", "Connect", ZOSCOPELib::ConnectFailed);
    });
    sub_ConnectStep();
    EXPECT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(log.back(), "end process 1");
    EXPECT_EQ(std::tuple(At("load main window"), At("show main window")), std::tuple(-1, -1));
}

TEST_F(StartupSequence, CloseQuestionIsMessage2AndOnlyYesConfirms)
{
    for (const auto& [answer, confirmed] :
         {std::pair{UiServices::ID_NO, false}, {UiServices::ID_YES, true}, {UiServices::ID_OK, false}}) {
        ui.ClearRecord();
        ui.QueueAnswer(answer);
        const bool closing = func_ConfirmClose();
        EXPECT_EQ(std::tuple(closing, ui.StyledBoxes()),
                  std::tuple(confirmed, std::vector{ScriptedUi::Styled(UiServices::MB_YESNO_QUESTION, func_GetMessage(2))}))
            << answer;
    }
}

TEST_F(StartupSequence, ShutdownWritesBothFilesThenReleasesThenDisconnectsBetweenTheWaits)
{
    sub_ConnectStep();
    g_DeviceNo = 1; // something to find in the settings file
    log.clear();
    const std::filesystem::path selection(g_UseLanguagePath);
    ASSERT_FALSE(Exists(SettingsFile()));
    ASSERT_FALSE(Exists(selection));

    // What each wait sees: the connection and the files.
    std::vector<bool> connectedAtWait;
    ui.onSleep = [&] { connectedAtWait.push_back(g_Zo->ConnectedIndex() >= 0 && g_Zo->Scope != nullptr); };
    bool filesWrittenBeforeHook = false;
    host.onStep = [&](const std::string& step) {
        if (step == "remove keyboard hook")
            filesWrittenBeforeHook = Exists(SettingsFile()) && Exists(selection);
    };

    sub_Shutdown();

    EXPECT_EQ(log, (Log{"remove keyboard hook", "unload other windows", "release parameters", "sleep 500",
                        "sleep 500", "unload splash", "end process 0"}));
    EXPECT_TRUE(filesWrittenBeforeHook);
    EXPECT_EQ(connectedAtWait, (std::vector<bool>{true, false}));
    EXPECT_EQ(TraceLines("Microscopes[1].Disconnect()").size(), 1u);
    clsIniEdit ini;
    ini.SetIniFilePath(SettingsFile().string());
    EXPECT_EQ(ini.GetInt("DeviceNo", "DeviceNo", -1), 1);
    EXPECT_FALSE(g_RestartFlag);
}

TEST_F(StartupSequence, RestartDropsEditsUnloadsWithoutEndingAndComesBackOnTheNewMicroscope)
{
    sub_ConnectStep();
    ASSERT_EQ(g_Zo->ConnectedIndex(), 1);
    clsZo* const model = &*g_Zo;
    int restored = 0;
    g_Zo->PassObserver = [&](const clsComponent&, clsZo::Pass pass) {
        if (pass == clsZo::Pass::RestData && restored++ == 0)
            log.push_back("restore model");
    };
    log.clear();

    sub_RestartMicroscope(1);

    EXPECT_EQ(log, (Log{"restore model", "unload main window", "remove keyboard hook", "unload other windows",
                        "release parameters", "sleep 500", "sleep 500", "show splash 5000"}));
    EXPECT_EQ(std::tuple(restored, g_RestartFlag, g_DeviceNo, g_Zo->ConnectedIndex()), std::tuple(19, false, 1, -1));
    EXPECT_EQ(TraceLines("Microscopes[1].Disconnect()").size(), 1u);
    EXPECT_TRUE(Exists(SettingsFile()));

    // The splash's timer fires: the same model, now on the second real microscope.
    log.clear();
    sub_ConnectStep();
    EXPECT_EQ(&*g_Zo, model);
    EXPECT_EQ(g_Zo->ConnectedIndex(), 2);
    EXPECT_EQ(TraceLines("Microscopes[2].Connect()").size(), 1u);
    EXPECT_GE(At("show main window"), 0);
    EXPECT_EQ(At("end process 0"), -1);
}

TEST_F(StartupSequence, ASecondCopyShowsTheFixedTextAndReadsNothing)
{
    LockFile first(InstanceLockPath());
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(first.TryLockExclusive());

    g_AppPath = "untouched/";
    g_DeviceNo = 7;
    g_RestartFlag = true;
    LockFile second(InstanceLockPath());
    EXPECT_FALSE(sub_Main(second));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(std::tuple(ui.Boxes()[0].text, ui.Boxes()[0].style, g_AppPath, g_DeviceNo),
              std::tuple(std::string(kPreviousInstanceText), UiServices::MB_OK, "untouched/", 7));
    EXPECT_EQ(At("show splash 100"), -1);

    // Once the first copy is gone the guard lets the next one in.
    first.Close();
    ui.ClearRecord();
    g_AppPath.clear();
    EXPECT_TRUE(sub_Main(second));
    EXPECT_GE(At("show splash 100"), 0);
    EXPECT_FALSE(g_RestartFlag);
    const std::filesystem::path program(func_GetCommandArgs()[0]);
    EXPECT_EQ(g_AppPath, program.parent_path().string() + "/");
    LockFile third(InstanceLockPath());
    ASSERT_TRUE(third.Open());
    EXPECT_FALSE(third.TryLockExclusive());
}

} // namespace
} // namespace zotest

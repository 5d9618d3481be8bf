#pragma once
// The start-up, shutdown and restart sequences run headless: a host that
// records the window steps, scripted UI services that log into the same log,
// and simulated microscopes made on demand from a description, with a call
// trace.

#include "ProgramFolder.h"
#include "ScriptedUi.h"
#include "SimFixture.h"
#include "TestEnv.h"

#include "core/mdlCommon.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/StartupHost.h"
#include "model/clsZo.h"
#include "model/mdlStartup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zotest {

using Log = std::vector<std::string>;

class RecordingHost : public StartupHost {
public:
    explicit RecordingHost(Log& log) : log_(log) {}

    // Makes the SDK root objects; set by the fixture.
    std::function<std::unique_ptr<ZOSCOPELib::Scope>()> factory;

    // Runs after each step is logged.
    std::function<void(const std::string& step)> onStep;

    std::unique_ptr<ZOSCOPELib::Scope> CreateScope() override
    {
        Step("create scope");
        return factory();
    }
    void ShowSplash(int timerIntervalMs) override { Step("show splash " + std::to_string(timerIntervalMs)); }
    void SetSplashEnabled(bool enabled) override { Step(enabled ? "splash enabled" : "splash disabled"); }
    void HideSplash() override { Step("hide splash"); }
    void UnloadSplash() override { Step("unload splash"); }
    void LoadMainWindow() override { Step("load main window"); }
    void ShowMainWindow() override { Step("show main window"); }
    // As the application's main window does: its unload runs the shutdown.
    void UnloadMainWindow() override
    {
        Step("unload main window");
        sub_Shutdown();
    }
    void RemoveKeyboardHook() override { Step("remove keyboard hook"); }
    void UnloadOtherWindows() override { Step("unload other windows"); }
    void ReleaseParameters() override { Step("release parameters"); }
    void EndProcess(int exitCode) override { Step("end process " + std::to_string(exitCode)); }

private:
    void Step(const std::string& step)
    {
        log_.push_back(step);
        if (onStep)
            onStep(step);
    }

    Log& log_;
};

class StartupTest : public ::testing::Test {
protected:
    // Two real microscopes after the simulator.
    static constexpr const char* TwoMicroscopes = "[Instrument]\n"
                                                  "Microscope.1 = Alpha, available\n"
                                                  "Microscope.2 = Beta, available\n";

    void SetUp() override
    {
        ui.LogTo(&log);
        appDir = UseFreshProgramFolder();
        g_StartupHost = &host;
        stateFolder = TestEnv::FreshDir("sim-state").string();
        traceFile = (TestEnv::FreshDir("trace") / "trace.txt").string();
        UseInstrument("");
        ui.ClearRecord();
        log.clear();
    }

    // Every root object the host makes from now on is this instrument;
    // prepare (if given) injects faults before the program sees it. The
    // configuration state and the trace are shared by all of them, as on
    // one machine.
    void UseInstrument(const std::string& description,
                       std::function<void(ZOSCOPELib::sim::Control&)> prepare = nullptr)
    {
        host.factory = [this, description, prepare] {
            sims.push_back(std::make_unique<SimMicroscope>(SimOptions{
                .description = description, .stateFolder = stateFolder, .traceFile = traceFile, .connect = false}));
            if (prepare)
                prepare(sims.back()->control());
            return sims.back()->Release();
        };
    }

    // The lines of the call trace that contain text.
    std::vector<std::string> TraceLines(const std::string& text) const { return LinesContaining(traceFile, text); }

    static std::string Box(int number, const std::string& extra = "")
    {
        return "box " + (extra.empty() ? func_GetMessage(number) : func_JoinLines(func_GetMessage(number), extra));
    }

    // Position of the first entry equal to text in the log; -1 when absent.
    int At(const std::string& text) const
    {
        for (std::size_t i = 0; i < log.size(); ++i)
            if (log[i] == text)
                return static_cast<int>(i);
        return -1;
    }

    Log log;
    ScriptedUi ui; // boxes, waits, the busy pointer and the input flush go into the log too
    ScopedUi scopedUi{ui};
    RecordingHost host{log};
    std::filesystem::path appDir;
    std::string stateFolder;
    std::string traceFile;
    std::vector<std::unique_ptr<SimMicroscope>> sims;
};

} // namespace zotest

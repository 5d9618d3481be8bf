#pragma once
// The application's windows on a simulated microscope, in-process: the real
// AppHost, frmSplash and main window, with scripted UI services answering the
// boxes, and every SDK root object made on a manual clock with a call trace.

#include "ProgramFolder.h"
#include "ScriptedUi.h"
#include "SimFixture.h"
#include "TestEnv.h"

#include "AppHost.h"
#include "frmSplash.h"

#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/StartupHost.h"
#include "model/clsZo.h"
#include "model/mdlStartup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace zotest {

// Runs the event loop until done() or for at most limitMs; true when done.
inline bool WaitUntil(const std::function<bool()>& done, int limitMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limitMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

class AppTest : public ::testing::Test {
protected:
    static constexpr const char* TwoMicroscopes = "[Instrument]\n"
                                                  "Microscope.1 = Alpha, available\n"
                                                  "Microscope.2 = Beta, available\n";

    void SetUp() override
    {
        UseFreshProgramFolder();
        sub_ReadUseLanguage(); // where the language selection goes
        std::filesystem::remove(g_UseLanguagePath);
        traceFile = (TestEnv::FreshDir("trace") / "trace.txt").string();
        host = std::make_unique<AppHost>(
            [this] {
                sims.push_back(std::make_unique<SimMicroscope>(
                    SimOptions{.description = TwoMicroscopes, .traceFile = traceFile, .connect = false}));
                return sims.back()->Release();
            },
            nullptr);
        g_StartupHost = host.get();
    }

    void TearDown() override
    {
        host.reset();
        QApplication::processEvents(); // deferred deletes
    }

    // Start-up from the splash on: the splash shows, its timer connects and
    // the main window comes up.
    void StartUp()
    {
        host->ShowSplash(100);
        ASSERT_TRUE(WaitUntil([this] { return host->MainWindow() && host->MainWindow()->isVisible(); }))
            << "no main window; boxes: " << ui.Boxes().size();
    }

    std::tuple<bool, bool, int, bool> SplashState() const
    {
        const frmSplash* splash = host->Splash();
        return {splash->isVisible(), splash->isEnabled(), splash->ProBar->value(), splash->Timer1->isActive()};
    }

    int TraceCount(const std::string& text) const
    {
        return static_cast<int>(LinesContaining(traceFile, text).size());
    }

    ScriptedUi ui;
    ScopedUi scopedUi{ui};
    std::string traceFile;
    std::vector<std::unique_ptr<SimMicroscope>> sims;
    std::unique_ptr<AppHost> host;
};

} // namespace zotest

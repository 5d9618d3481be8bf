// The first opening of the settings dialog against the control pad's own
// start-up, offscreen, in the same run.
//
// Each round connects a fresh simulated microscope, then times
//   1. the pad's start-up: making the pad, initialising every panel,
//      showing and activating it, until the event loop is idle;
//   2. the first opening of the settings dialog with the pad's Settings
//      button: making the dialog with all its pages, reading the
//      configuration it edits, loading every page and showing it, until the
//      event loop is idle.
// Prints the median of each and their ratio (target: at most 1). The
// language file is the build's, so the pages carry their real texts.

#include "core/UiServices.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/clsZo.h"
#include "pad/frmZoControl.h"
#include "sdk/ZoScope.h"
#include "settings/frmSettingMain.h"
#include "widgets/usrPButton.h"
#include "QuietRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kRounds = 15;

double Milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    zotools::QuietUi ui;
    g_UiServices = &ui;
    g_AppPath = (QCoreApplication::applicationDirPath() + "/../bin/").toStdString();
    sub_ReadLanguage();
    g_GUIControl.fill(true);
    QTemporaryDir state;

    std::vector<double> padTimes, dialogTimes;
    // One round more than counted: the first warms Qt's caches for both.
    for (int round = 0; round <= kRounds; ++round) {
        if (!zotools::ConnectSimulator(state.path().toStdString()))
            return 1;
        QElapsedTimer timer;
        timer.start();
        auto pad = zotools::ShowPad();
        app.processEvents();
        const double padMs = Milliseconds(timer);

        timer.restart();
        pad->findChild<usrPButton*>("picSetting")->click();
        app.processEvents();
        const double dialogMs = Milliseconds(timer);
        if (!pad->SettingWindow() || !pad->SettingWindow()->isVisible()) {
            std::fprintf(stderr, "the settings dialog did not open\n");
            return 1;
        }
        if (round > 0) {
            padTimes.push_back(padMs);
            dialogTimes.push_back(dialogMs);
        }
        pad.reset();
    }
    g_Zo.reset();

    const double pad = zotools::Median(padTimes), dialog = zotools::Median(dialogTimes);
    std::printf("pad start-up (made, initialised, shown):      %7.1f ms (median of %d)\n", pad, kRounds);
    std::printf("settings dialog, first opening (all pages):   %7.1f ms (median of %d)\n", dialog, kRounds);
    std::printf("ratio:                                        %7.2f (target <= 1)\n", dialog / pad);
    return 0;
}

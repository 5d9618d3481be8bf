#pragma once

#include "ScopePump.h"
#include "frmSplash.h"

#include "pad/frmZoControl.h"

#include "model/StartupHost.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QtUiServices;

// The windows behind the start-up, shutdown and restart sequences: the
// splash, the main window (the control pad) and the SDK's event pump.
class AppHost : public QObject, public StartupHost {
    Q_OBJECT
public:
    using ScopeFactory = std::function<std::unique_ptr<ZOSCOPELib::Scope>()>;

    // ui, when given, gets the splash's progress bar.
    AppHost(ScopeFactory factory, QtUiServices* ui);
    ~AppHost() override;

    frmSplash* Splash() const { return m_splash; }
    QWidget* MainWindow() const { return m_main; }
    // The exit code asked for by EndProcess; -1 while nobody asked.
    int ExitCode() const { return m_exitCode; }

    // For runs with nobody at the screen: once the main window is shown,
    // print "shown" on standard output, then end at once, skipping the
    // shutdown (timing runs), or close the main window as its close box does.
    enum class WhenShown { Stay, Exit, Close };
    void SetWhenShown(WhenShown action) { m_whenShown = action; }
    // ZO_EXIT_WHEN_SHOWN: unset stays, "close" closes, anything else exits.
    static WhenShown WhenShownFrom(const char* setting);

    std::unique_ptr<ZOSCOPELib::Scope> CreateScope() override;
    void ShowSplash(int timerIntervalMs) override;
    void SetSplashEnabled(bool enabled) override;
    void HideSplash() override;
    void UnloadSplash() override;
    void LoadMainWindow() override;
    void ShowMainWindow() override;
    void UnloadMainWindow() override;
    void RemoveKeyboardHook() override;
    void UnloadOtherWindows() override;
    void ReleaseParameters() override;
    void EndProcess(int exitCode) override;

private:
    ScopeFactory m_factory;
    QtUiServices* m_ui;
    QPointer<frmSplash> m_splash;
    QPointer<frmZoControl> m_main;
    // Unloaded windows wait for the event loop to delete them; any that are
    // still there when the host goes are deleted with it.
    std::vector<QPointer<QWidget>> m_unloaded;
    ScopePump m_pump;
    int m_exitCode = -1;
    WhenShown m_whenShown = WhenShown::Stay;
};

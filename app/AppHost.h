#pragma once

#include "ScopePump.h"
#include "frmSplash.h"

#include "pad/frmZoControl.h"

#include "model/StartupHost.h"
#include "remote/server/PadRemote.h"
#include "remote/server/RemoteServer.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
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

    // The command line the remote control looks at (/NOREMOTE keeps it
    // off); the program's own when none is given.
    void SetCommandArgs(std::vector<std::string> args) { m_args = std::move(args); }
    // The control socket while the pad is shown (null when off).
    RemoteServer* Remote() const { return m_remote.get(); }

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
    void StartRemote();
    // Closes every remote connection and removes the socket.
    void StopRemote();

    ScopeFactory m_factory;
    QtUiServices* m_ui;
    QPointer<frmSplash> m_splash;
    QPointer<frmZoControl> m_main;
    // Unloaded windows wait for the event loop to delete them; any that are
    // still there when the host goes are deleted with it.
    std::vector<QPointer<QWidget>> m_unloaded;
    ScopePump m_pump;
    std::optional<std::vector<std::string>> m_args;
    std::unique_ptr<PadRemote> m_padRemote;
    std::unique_ptr<RemoteServer> m_remote;
    int m_exitCode = -1;
    WhenShown m_whenShown = WhenShown::Stay;
};

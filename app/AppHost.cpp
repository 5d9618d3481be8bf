#include "AppHost.h"

#include "QtUiServices.h"

#include "core/UiServices.h"
#include "model/clsZo.h"
#include "model/mdlStartup.h"
#include "remote/RemoteSocket.h"

#include <QApplication>
#include <QCloseEvent>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <string_view>

AppHost::AppHost(ScopeFactory factory, QtUiServices* ui)
    : m_factory(std::move(factory)), m_ui(ui),
      m_pump([] { return g_Zo.exists() ? g_Zo->Scope.get() : nullptr; })
{
}

AppHost::~AppHost()
{
    StopRemote();
    for (const QPointer<QWidget>& window : m_unloaded)
        delete window.data();
    delete m_main.data();
    delete m_splash.data();
}

std::unique_ptr<ZOSCOPELib::Scope> AppHost::CreateScope()
{
    return m_factory();
}

void AppHost::ShowSplash(int timerIntervalMs)
{
    if (!m_splash) {
        m_splash = new frmSplash;
        if (m_ui)
            m_ui->SetProgressBar(m_splash->ProBar);
    }
    m_splash->Timer1->setInterval(timerIntervalMs);
    m_splash->Timer1->start();
    m_splash->ProBar->setValue(0);
    m_splash->show();
}

void AppHost::SetSplashEnabled(bool enabled)
{
    if (m_splash)
        m_splash->setEnabled(enabled);
}

void AppHost::HideSplash()
{
    if (m_splash)
        m_splash->hide();
}

void AppHost::UnloadSplash()
{
    if (!m_splash)
        return;
    // It may be on its way through its own close event.
    m_splash->hide();
    m_splash->deleteLater();
    m_unloaded.emplace_back(m_splash.data());
    m_splash = nullptr;
}

void AppHost::LoadMainWindow()
{
    // The pad asks before its close box closes it and runs the shutdown
    // when it unloads; its initialisation takes the splash to 100.
    m_main = new frmZoControl;
    m_main->sub_SetInitialStatus();
}

void AppHost::ShowMainWindow()
{
    if (!m_main)
        return;
    m_main->show();
    m_main->activateWindow();
    StartRemote();
    if (m_whenShown != WhenShown::Stay) {
        QTimer::singleShot(0, this, [this] {
            std::puts("shown");
            std::fflush(stdout);
            if (m_whenShown == WhenShown::Close && m_main)
                m_main->close();
            else
                EndProcess(0);
        });
    }
}

AppHost::WhenShown AppHost::WhenShownFrom(const char* setting)
{
    if (setting == nullptr)
        return WhenShown::Stay;
    return std::string_view(setting) == "close" ? WhenShown::Close : WhenShown::Exit;
}

void AppHost::StartRemote()
{
    StopRemote();
    if (!remote::func_RemoteWanted(m_args ? *m_args : func_GetCommandArgs()))
        return;
    m_padRemote = std::make_unique<PadRemote>(*m_main);
    m_remote = std::make_unique<RemoteServer>(*m_padRemote, QString::fromStdString(remote::func_SocketPath()));
    // Without the socket the pad works on; only scripts cannot reach it.
    if (!m_remote->Listening())
        std::fprintf(stderr, "ZoControl: no remote control: %s\n", qPrintable(m_remote->Error()));
}

void AppHost::StopRemote()
{
    m_remote.reset();
    m_padRemote.reset();
}

void AppHost::UnloadMainWindow()
{
    StopRemote();
    if (!m_main)
        return;
    // Unloading from code asks nothing; the pad's unload runs the shutdown.
    m_main->sub_Unload();
    // The next load makes a fresh window; this one may still be on the stack.
    m_main->deleteLater();
    m_unloaded.emplace_back(m_main.data());
    m_main = nullptr;
}

void AppHost::RemoveKeyboardHook()
{
    // The shutdown begins: no more commands from the keyboard or from scripts.
    StopRemote();
    if (m_main)
        m_main->sub_RemoveKeyboardHook();
    g_KeyboardHook = 0;
}

void AppHost::UnloadOtherWindows()
{
    if (m_main)
        m_main->sub_UnloadOtherWindows();
    // Whatever else is open (the stage, TIRF and settings windows once they
    // exist) closes; each window's owner decides what closing frees.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != m_splash && window != m_main && window->isVisible())
            window->close();
    }
}

void AppHost::ReleaseParameters()
{
    if (m_main)
        m_main->sub_ReleaseParameters();
}

void AppHost::EndProcess(int exitCode)
{
    m_exitCode = exitCode;
    // Without a running event loop there is nothing to leave; whoever would
    // start one looks at ExitCode() first.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(exitCode);
}

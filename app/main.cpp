// The composition root: the Qt application, the Qt side of the user-interface
// services, the windows' side of the start-up, and the SDK on a steady clock.

#include "AppHost.h"
#include "QtUiServices.h"

#include "core/LockFile.h"
#include "core/UiServices.h"
#include "model/StartupHost.h"
#include "model/mdlStartup.h"
#include "sdk/ZoScope.h"
#include "widgets/SvgIconEngine.h"

#include <QApplication>
#include <QIcon>

#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZoControl");
    // Ties the windows to the installed desktop entry and its icon. The icon
    // is drawn by the pad's own SVG engine: Qt's would load a plugin first.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZO_APP_ID));
    QApplication::setWindowIcon(
        QIcon(std::make_unique<SvgIconEngine>(QStringLiteral(":/app/" ZO_APP_ID ".svg")).release()));
    // The program ends when its sequences say so: the main window is gone
    // for a moment during a restart before the splash comes back.
    QApplication::setQuitOnLastWindowClosed(false);

    QtUiServices ui;
    ui.SetUnattended(QtUiServices::UnattendedFrom(std::getenv("ZO_UNATTENDED")));
    g_UiServices = &ui;

    int code = 1;
    {
        AppHost host(
            [] {
                ZOSCOPELib::ScopeOptions options;
                options.clock = std::make_shared<ZOSCOPELib::SteadyClock>();
                return ZOSCOPELib::CreateScope(options);
            },
            &ui);
        host.SetWhenShown(AppHost::WhenShownFrom(std::getenv("ZO_EXIT_WHEN_SHOWN")));
        g_StartupHost = &host;

        LockFile instance(InstanceLockPath());
        if (sub_Main(instance))
            code = host.ExitCode() == -1 ? QApplication::exec() : host.ExitCode();
        g_StartupHost = nullptr;
    }
    g_UiServices = nullptr;
    return code;
}

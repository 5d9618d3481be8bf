// Renders the control pad on a simulated microscope, once per layout, into
// PNG files: padshots <output folder> [instrument description] [layouts]
// [switched-off controls]. Layouts are given as digits ("18" = layouts 1
// and 8; default all eight); switched-off controls as "GUIControl" keys
// separated by commas ("AOM,LASER").
// padshots --previews <folder> makes the layout page's previews instead:
// every layout on the built-in instrument, named after the layout
// ("Normal.png", ...). The build runs it for Picture/Layout/.
// The program folder is the tool's own (the build puts Language/ there); the
// simulator keeps its state in a temporary folder.

#include "core/ProgramFolders.h"
#include "core/UiServices.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/clsZo.h"
#include "pad/frmZoControl.h"
#include "sdk/ZoScope.h"
#include "settings/OthersLayoutCtl.h"
#include "QuietRun.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool previews = argc > 2 && std::string(argv[1]) == "--previews";
    if (argc < 2 || (argc == 2 && std::string(argv[1]) == "--previews")) {
        std::fprintf(stderr, "usage: padshots <output folder> [instrument description] [layouts]\n"
                             "       padshots --previews <output folder>\n");
        return 2;
    }
    if (previews) {
        ++argv;
        argc = 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const std::string description = argc > 2 ? argv[2] : "";
    const std::string layouts = argc > 3 && argv[3][0] != '\0' ? argv[3] : "12345678";
    const QStringList switchedOff = argc > 4 ? QString(argv[4]).split(',', Qt::SkipEmptyParts) : QStringList();
    QDir().mkpath(output);

    // Nothing is asked and nothing waits while the pictures are taken.
    zotools::QuietUi ui(UiServices::ID_NO, true);
    g_UiServices = &ui;
    g_AppPath = RunningProgramFolders().data.string();
    NormalizeAppPath();
    sub_ReadLanguage();
    g_GUIControl.fill(true);
    for (const QString& key : switchedOff) {
        const int flag = GUIControlIndex(key.toStdString());
        if (flag >= 0)
            g_GUIControl[static_cast<std::size_t>(flag)] = false;
    }
    g_ChangeGui = 1;
    QTemporaryDir state;

    for (const char digit : layouts) {
        g_LayoutType = static_cast<int16_t>(digit - '0');
        if (!zotools::ConnectSimulator(state.path().toStdString(), description))
            return 1;
        auto pad = zotools::ShowPad();
        pad->FlushReadouts();
        app.processEvents();
        const QString file =
            previews ? QString("%1/%2.png").arg(output, OthersLayoutCtl::LayoutName(g_LayoutType))
                     : QString("%1/pad-layout-%2%3.png")
                           .arg(output)
                           .arg(g_LayoutType)
                           .arg(description.empty() && switchedOff.isEmpty() ? "" : "-unmounted");
        if (!pad->grab().save(file))
            return 1;
        std::printf("%s %dx%d\n", file.toLocal8Bit().constData(), pad->width(), pad->height());
        pad.reset();
    }
    g_Zo.reset();
    return 0;
}

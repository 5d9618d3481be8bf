// Renders the settings dialog's pages on the simulated microscope into PNG
// files: settingshots <output folder> [instrument description]... (the
// pictures in docs/ use tools/settingshots/instrument.ini and, for the pages
// of a controller with shutter and camera connectors, connectors.ini). The
// dialog is opened with the pad's Settings button and driven as an operator
// would: each page is chosen with its buttons; the last picture is the
// layout page after Deutsch was chosen and applied. Message boxes answer themselves (their texts go to standard
// error). The program folder is the tool's own; the simulator keeps its
// state in a temporary folder.

#include "QtUiServices.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/clsZo.h"
#include "pad/frmZoControl.h"
#include "sdk/ZoScope.h"
#include "settings/AttachMainCtl.h"
#include "settings/ObservationModeCtl.h"
#include "settings/SettingField.h"
#include "settings/SettingPageGroup.h"
#include "settings/frmSettingMain.h"
#include "widgets/usrPButton.h"
#include "QuietRun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace {

struct Shot {
    const char* file;
    int group;
    int page;
    std::function<void(frmSettingMain&)> before;
    int instrument = 0; // which description of the command line
    // `before` opens a message box; the picture shows it over the dialog.
    bool message = false;
};

void Click(QWidget& window, const char* button)
{
    if (auto* found = window.findChild<QAbstractButton*>(button))
        found->click();
}

// Mode 4 becomes a fluorescence channel: the devices it holds are ticked and
// it is named, which records what they do.
void NameAMode(frmSettingMain& dialog)
{
    auto* page = static_cast<ObservationModeCtl*>(dialog.Group(frmSettingMain::Observation)->Page(0));
    Click(*page, "optUser3");
    for (const char* item : {"chkMode0", "chkMode3", "chkMode6", "chkMode7", "chkMode9", "chkMode13"})
        Click(*page, item);
    page->findChild<QLineEdit*>("txtName")->setText("DAPI");
    page->txtName_Validate();
}

void Choose(QWidget& window, const char* list, int entry)
{
    if (auto* found = window.findChild<QComboBox*>(list)) {
        found->setCurrentIndex(entry);
        emit found->activated(entry);
    }
}

bool Save(QWidget& window, const QString& file)
{
    QApplication::processEvents();
    if (!window.grab().save(file))
        return false;
    std::printf("%s %dx%d\n", file.toLocal8Bit().constData(), window.width(), window.height());
    return true;
}

// Leaves a text field of a settings page as Tab would.
void Leave(QWidget& window, const char* field)
{
    auto* text = window.findChild<QLineEdit*>(field);
    for (QObject* child : text ? text->children() : QObjectList())
        if (auto* check = dynamic_cast<SettingField*>(child))
            check->func_Leave();
}

// Takes the screen around the window while the message box that `action`
// opens is up (it is shown for this picture only), then closes the box.
bool SaveWithMessage(QtUiServices& ui, QWidget& window, const QString& file, const std::function<void()>& action)
{
    bool saved = false;
    QTimer::singleShot(300, [&] {
        QWidget* box = QApplication::activeModalWidget();
        const QRect area = window.frameGeometry().united(box ? box->frameGeometry() : QRect());
        saved = window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
        if (saved)
            std::printf("%s %dx%d\n", file.toLocal8Bit().constData(), area.width(), area.height());
        if (auto* message = qobject_cast<QMessageBox*>(box))
            message->accept();
    });
    ui.SetUnattended(QtUiServices::Unattended::Off);
    action();
    ui.SetUnattended(QtUiServices::Unattended::AnswerYes);
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: settingshots <output folder> [instrument description]...\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);

    QtUiServices ui;
    ui.SetUnattended(QtUiServices::Unattended::AnswerYes);
    g_UiServices = &ui;
    g_AppPath = QCoreApplication::applicationDirPath().toStdString();
    NormalizeAppPath();
    sub_ReadControlIni();
    g_GUIControl.fill(true);
    sub_ApplyGUIControl();
    g_LayoutType = 1;
    // A keyboard that moves the stage and applies the first mode.
    g_ShortcutKey = {901, 902, 908, 909, 907, 906, 0, 0, 991};
    g_LanguageFlag = 1;
    sub_ReadLanguage();

    const Shot shots[] = {
        {"settings-attach-objective.png", frmSettingMain::Attach, 0,
         [](frmSettingMain& d) { Click(*d.findChild<QWidget*>("AttachObjectiveCtl1"), "optPort2"); }},
        {"settings-attach-filter.png", frmSettingMain::Attach, 2, nullptr},
        // A user objective whose name is refused.
        {"settings-attach-database-rejected.png", frmSettingMain::Attach, 0,
         [](frmSettingMain& d) {
             Click(*d.findChild<QWidget*>("AttachNosepiece"), "optView1");
             QWidget& page = *d.findChild<QWidget*>("AttachDBObjectiveCtl1");
             for (const auto& [list, entry] : {std::pair{"lstModel0", 3}, {"lstSeries0", 2}, {"lstMag0", 6}})
                 Choose(page, list, entry);
             page.findChild<QLineEdit*>("txtName0")->setText("My_60x");
             Leave(page, "txtName0");
             page.findChild<QLineEdit*>("txtName0")->setText("My 60x");
         },
         0, true},
        {"settings-mode-alf.png", frmSettingMain::Mode, 0, nullptr},
        {"settings-mode-rotation-stopper.png", frmSettingMain::Mode, 1, nullptr},
        {"settings-key-ergo.png", frmSettingMain::Key, 0, nullptr},
        {"settings-key-keyboard.png", frmSettingMain::Key, 1, nullptr},
        {"settings-key-keyboard-2.png", frmSettingMain::Key, 1, [](frmSettingMain& d) { Click(*d.Group(frmSettingMain::Key)->Page(1), "btnPage"); }},
        {"settings-layout.png", frmSettingMain::Others, 0,
         [](frmSettingMain& d) { Choose(d, "cboSelectLayout", 5); }},
        {"settings-display.png", frmSettingMain::Others, 1, nullptr},
        {"settings-display-2.png", frmSettingMain::Others, 1,
         [](frmSettingMain& d) { Click(*d.Group(frmSettingMain::Others)->Page(1), "btnPage"); }},
        {"settings-version.png", frmSettingMain::Others, 2, nullptr},
        {"settings-observation.png", frmSettingMain::Observation, 0, NameAMode},
        {"settings-connect-fl-turret.png", frmSettingMain::Connect, 2,
         [](frmSettingMain& d) { Click(*d.Group(frmSettingMain::Connect)->Page(2), "chkFlChange"); }},
        {"settings-connect-shutter.png", frmSettingMain::Connect, 0, nullptr, 1},
        // Deutsch chosen and applied: every open window takes the new texts.
        {"settings-layout-de.png", frmSettingMain::Others, 0,
         [](frmSettingMain& d) {
             Choose(d, "cboSelect", 1);
             Click(d, "btnApply");
         },
         1},
    };
    QTemporaryDir state;
    std::unique_ptr<frmZoControl> pad;
    frmSettingMain* dialog = nullptr;
    int instrument = -1;
    for (const Shot& shot : shots) {
        if (shot.instrument != instrument) {
            instrument = shot.instrument;
            pad.reset();
            const std::string description = instrument + 2 < argc ? argv[instrument + 2] : "";
            if (!zotools::ConnectSimulator(state.path().toStdString(), description))
                return 1;
            pad = zotools::ShowPad();
            Click(*pad, "picSetting");
            dialog = pad->SettingWindow();
            if (!dialog)
                return 1;
        }
        Click(*dialog, QString("optMain%1").arg(shot.group).toLatin1().constData());
        Click(*dialog->Group(shot.group), QString("optMenu%1").arg(shot.page).toLatin1().constData());
        const QString file = output + "/" + shot.file;
        bool saved = false;
        if (shot.message) {
            saved = SaveWithMessage(ui, *dialog, file, [&] { shot.before(*dialog); });
        } else {
            if (shot.before)
                shot.before(*dialog);
            saved = Save(*dialog, file);
        }
        if (!saved)
            return 1;
    }
    pad.reset();
    g_Zo.reset();
    return 0;
}

// Renders the stage window and the TIRF window on a simulated microscope
// into PNG files: windowshots <output folder>.
//   stage-window-maps.png           maps shown, a linked move under way
//   stage-window-maps-no-piezo.png  the same with the piezo stage unmounted
//   tirf-window.png                 some stored TIRF positions
//   pad-failure-status.png          the pad after the epi shutter refused to open
//   pad-move-under-way.png          the pad during an XY recall, readouts with their target
// The program folder is the tool's own (the build puts Language/ there); the
// simulator keeps its state in a temporary folder, and no settings file is
// written.

#include "core/ProgramFolders.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/clsZo.h"
#include "pad/frmZoControl.h"
#include "sdk/ZoScope.h"
#include "sdk/sim/SimControl.h"
#include "widgets/usrComboBox.h"
#include "widgets/usrMPButton.h"
#include "widgets/usrPButton.h"
#include "windows/MapCtl.h"
#include "windows/MapZCtl.h"
#include "windows/MemoryListCtl.h"
#include "windows/StageXYCtl.h"
#include "windows/frmStage.h"
#include "windows/frmTIRF.h"

#include "QuietRun.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// The pad on a simulated microscope whose clock the pictures advance.
struct ShotSession {
    std::shared_ptr<ZOSCOPELib::ManualClock> clock = std::make_shared<ZOSCOPELib::ManualClock>();
    std::unique_ptr<frmZoControl> pad;

    bool Open(const std::string& stateFolder, const std::string& description)
    {
        if (!zotools::ConnectSimulator(stateFolder, description, clock))
            return false;
        pad = zotools::ShowPad();
        return true;
    }
    // Lets the instrument's clock run on, delivering what it reports.
    void Run(int milliseconds)
    {
        for (int elapsed = 0; elapsed < milliseconds; elapsed += 50) {
            clock->AdvanceMs(50);
            g_Zo->Scope->ProcessEvents();
        }
    }
};

bool Save(QWidget& window, const QString& file)
{
    QApplication::processEvents();
    if (!window.grab().save(file))
        return false;
    std::printf("%s %dx%d\n", file.toLocal8Bit().constData(), window.width(), window.height());
    return true;
}

void StoreMemories()
{
    g_MemX = {"-12000", "15000", "0"};
    g_MemY = {"8000", "-6000", "0"};
    g_MemZ = {"3000", "4200.5", "2500"};
    g_MemPiezo = {"50", "20", "75.25"};
    g_MemTIRF = {"34", "120.5", "560", "", "1000"};
}

// The stage window with its maps while every group travels to slot 2.
bool StageShot(const std::string& state, const std::string& description, const QString& file)
{
    ShotSession session;
    if (!session.Open(state, description))
        return false;
    session.pad->picStage->click();
    frmStage& stage = *session.pad->StageWindow();
    stage.picMapDown->click();
    stage.MapZCtl1->btnZoomIn_Click();
    stage.chkLink->click();
    stage.StageXYCtl1->SetListPosition(1);
    stage.sub_SetPos(frmStage::SourceXY, 1);
    stage.StageXYCtl1->findChild<usrPButton*>("picMoveXY")->click();
    session.Run(1000);
    session.pad->FlushReadouts();
    for (MapCtl* map : stage.findChildren<MapCtl*>())
        map->FlushView();
    return Save(stage, file);
}

bool TIRFShot(const std::string& state, const QString& file)
{
    ShotSession session;
    if (!session.Open(state, ""))
        return false;
    session.pad->picTIRFAngle->click();
    frmTIRF& tirf = *session.pad->TIRFWindow();
    tirf.Memories()->SetListPosition(1);
    return Save(tirf, file);
}

// The pad after a refused command: the button as the shutter really is, the
// failure in the status line.
bool PadFailureShot(const std::string& state, const QString& file)
{
    ShotSession session;
    if (!session.Open(state, ""))
        return false;
    ZOSCOPELib::sim::Control(*g_Zo->Scope).FailCall("EpiShutter", "Open", ZOSCOPELib::NotAnswering);
    session.pad->chkEpi->click();
    session.pad->FlushReadouts();
    return Save(*session.pad, file);
}

// The pad during a recall of XY slot 2: held, the readouts with their target.
bool PadMoveShot(const std::string& state, const QString& file)
{
    ShotSession session;
    if (!session.Open(state, ""))
        return false;
    session.pad->cboXY->setSelectedIndex(1);
    session.Run(1500);
    session.pad->FlushReadouts();
    return Save(*session.pad, file);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: windowshots <output folder>\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    // Nothing is asked and nothing waits while the pictures are taken.
    zotools::QuietUi ui(UiServices::ID_NO, true);
    g_UiServices = &ui;
    g_AppPath = RunningProgramFolders().data.string();
    NormalizeAppPath();
    sub_ReadLanguage();
    sub_ReadControlIni(); // the maps' magnifications
    g_GUIControl.fill(true);
    StoreMemories();
    QTemporaryDir state;
    const std::string noPiezo = std::string(ZO_TOOLS_DIR) + "/no-piezo.ini";
    const bool ok = StageShot(state.path().toStdString(), "", output + "/stage-window-maps.png") &&
                    StageShot(state.path().toStdString(), noPiezo, output + "/stage-window-maps-no-piezo.png") &&
                    TIRFShot(state.path().toStdString(), output + "/tirf-window.png") &&
                    PadFailureShot(state.path().toStdString(), output + "/pad-failure-status.png") &&
                    PadMoveShot(state.path().toStdString(), output + "/pad-move-under-way.png");
    g_Zo.reset();
    return ok ? 0 : 1;
}

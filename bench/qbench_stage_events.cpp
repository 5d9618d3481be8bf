// A flood of position events from the simulated microscope into the control
// pad with the stage window open and its maps shown, offscreen.
//
// 1. Cost: 100 000 position reports of the X, Y and Z axes, delivered in
//    batches of 1000, each followed by the pad and by the stage window's
//    maps; the median cost per report is printed as a ratio against setting
//    the text of a shown QLabel (measured in the same run the same way), and
//    beside it the same with the stage window closed.
// 2. Repaints: the flood is delivered from the Qt event loop for at least
//    100 000 reports and two seconds; paint events on the maps' points and
//    position texts are counted, and the paints per second are compared with
//    the screen's refresh rate.

#include "QtFloodBench.h"

#include "widgets/usrPButton.h"
#include "windows/MapCtl.h"
#include "windows/frmStage.h"

#include <cstdlib>

using namespace qbench;

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    PadSession session;
    if (!session.Ok())
        return 1;
    frmZoControl& pad = *session.pad;
    QLabel& label = session.label;
    Flood& flood = *session.flood;

    // The pad alone first, then with the stage window and its maps.
    const double label_ns = MedianPerLabelText(label);
    const double pad_ns = MedianPerReport(flood);
    pad.picStage->click();
    frmStage& stage = *pad.StageWindow();
    stage.picMapDown->click();
    app.processEvents();
    const double stage_ns = MedianPerReport(flood);
    std::printf("cost per position report (median of %d batches of %d):\n", kEvents / kBatch, kBatch);
    std::printf("  QLabel::setText, baseline                    %8.0f ns\n", label_ns);
    std::printf("  report into the pad, stage window closed     %8.0f ns  ratio %.2f\n", pad_ns, pad_ns / label_ns);
    std::printf("  report into the pad and the stage's maps     %8.0f ns  ratio %.2f (target at most 5); the "
                "window adds %.0f ns, ratio %.2f\n",
                stage_ns, stage_ns / label_ns, stage_ns - pad_ns, (stage_ns - pad_ns) / label_ns);

    std::vector<QWidget*> shown;
    for (MapCtl* map : stage.findChildren<MapCtl*>())
        for (QWidget* control : map->findChildren<QWidget*>())
            if (control->objectName().startsWith("picPoint") || control->objectName().endsWith("Pos"))
                shown.push_back(control);
    MeasureRepaints(flood, label, shown, "map point or position text");
    return 0;
}

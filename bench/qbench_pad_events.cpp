// A flood of position events from the simulated microscope into the control
// pad, offscreen.
//
// 1. Cost: 100 000 position reports of the X, Y and Z axes are delivered in
//    batches of 1000; the median cost per report, with the pad following the
//    axes, is printed as a ratio against setting the text of a shown QLabel
//    (measured in the same run the same way). The simulator's own share is
//    measured with the pad's members released and printed beside it.
// 2. Repaints: the flood is delivered from the Qt event loop, one clock step
//    per pass as an event pump would, for at least 100 000 reports and two
//    seconds; paint events on the controls that show the positions are
//    counted, and the paints per second are compared with the screen's
//    refresh rate. A QLabel given a new text on every pass shows what the
//    same passes paint without coalescing.

#include "QtFloodBench.h"

#include "pad/PadReadout.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrZspin.h"

#include <QLineEdit>

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

    // 1. Cost per report.
    const double label_ns = MedianPerLabelText(label);
    const double padded_ns = MedianPerReport(flood);
    std::printf("cost per position report (median of %d batches of %d):\n", kEvents / kBatch, kBatch);
    std::printf("  QLabel::setText, baseline        %8.0f ns\n", label_ns);
    std::printf("  report delivered into the pad    %8.0f ns  ratio %.2f (target at most 5)\n", padded_ns,
                padded_ns / label_ns);

    // 2. Repaints, with the flood delivered from the event loop.
    MeasureRepaints(flood, label, {pad.spnStageXY, pad.spnStageZ, pad.txtX, pad.txtY, pad.txtZ}, "readout control");

    // The simulator's own share, with the pad no longer following the axes.
    pad.sub_ReleaseParameters();
    const double bare_ns = MedianPerReport(flood);
    std::printf("  report delivered without the pad %8.0f ns  (the simulator's share; the pad adds %.0f ns, ratio "
                "%.2f)\n",
                bare_ns, padded_ns - bare_ns, (padded_ns - bare_ns) / label_ns);
    return 0;
}

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

#include "core/UiServices.h"
#include "core/mdlGlobals.h"
#include "core/mdlSettings.h"
#include "model/clsZo.h"
#include "widgets/FrameThrottle.h"
#include "pad/frmZoControl.h"
#include "sdk/ZoScope.h"
#include "widgets/usrXYspin.h"
#include "widgets/usrZspin.h"
#include "QuietRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QWindow>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kEvents = 100000;
constexpr int kBatch = 1000;

// Counts paint events per control it watches.
class PaintCounter : public QObject {
public:
    std::map<QObject*, int> paints;
    QObject* exclude = nullptr;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
    int Most() const
    {
        int most = 0;
        for (const auto& [control, count] : paints)
            if (control != exclude)
                most = std::max(most, count);
        return most;
    }
};

// The instrument side of the flood: keeps X, Y and Z travelling end to end
// and delivers what 50 ms of its clock bring (one report per moving axis).
class Flood {
public:
    Flood(ZOSCOPELib::Scope& scope, ZOSCOPELib::ManualClock& clock) : m_Scope(scope), m_Clock(clock)
    {
        for (ZOSCOPELib::AxisDevice* axis : Axes())
            m_Reports.push_back(axis->Position()->OnValueChanged.Subscribe([this] { ++m_Count; }));
    }

    // One step of the clock; returns the reports it delivered.
    int Step()
    {
        const int before = m_Count;
        const std::vector<ZOSCOPELib::AxisDevice*> axes = Axes();
        for (std::size_t i = 0; i < axes.size(); ++i) {
            ZOSCOPELib::AxisDevice& axis = *axes[i];
            // An axis that has arrived sets off for the other end.
            if (m_Targets.size() <= i || axis.Position()->Value() == m_Targets[i]) {
                const int32_t target = m_Targets.size() > i && m_Targets[i] == axis.UpperLimit() ? axis.LowerLimit()
                                                                                                 : axis.UpperLimit();
                m_Targets.resize(std::max(m_Targets.size(), i + 1));
                m_Targets[i] = target;
                axis.MoveAbsolute(target);
            }
        }
        m_Clock.AdvanceMs(50);
        m_Scope.ProcessEvents();
        return m_Count - before;
    }

private:
    std::vector<ZOSCOPELib::AxisDevice*> Axes() { return {&m_Scope.XAxis(), &m_Scope.YAxis(), &m_Scope.ZDrive()}; }

    ZOSCOPELib::Scope& m_Scope;
    ZOSCOPELib::ManualClock& m_Clock;
    std::vector<ZOSCOPELib::Subscription> m_Reports;
    std::vector<int32_t> m_Targets;
    int m_Count = 0;
};

// Median nanoseconds per report over batches of kBatch reports.
double MedianPerReport(Flood& flood)
{
    std::vector<double> perReport;
    int delivered = 0;
    while (delivered < kEvents) {
        int reports = 0;
        const auto start = std::chrono::steady_clock::now();
        while (reports < kBatch)
            reports += flood.Step();
        const auto end = std::chrono::steady_clock::now();
        perReport.push_back(std::chrono::duration<double, std::nano>(end - start).count() / reports);
        delivered += reports;
    }
    return zotools::Median(perReport);
}

double MedianPerLabelText(QLabel& label)
{
    std::vector<double> perCall;
    for (int batch = 0; batch < kEvents / kBatch; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kBatch; ++i)
            label.setText(QString::number(batch * kBatch + i));
        const auto end = std::chrono::steady_clock::now();
        perCall.push_back(std::chrono::duration<double, std::nano>(end - start).count() / kBatch);
    }
    return zotools::Median(perCall);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    zotools::QuietUi ui;
    g_UiServices = &ui;
    QTemporaryDir state;
    // Every control shown, as a settings file without switches has it.
    g_GUIControl.fill(true);

    auto clock = std::make_shared<ZOSCOPELib::ManualClock>();
    if (!zotools::ConnectSimulator(state.path().toStdString(), "", clock))
        return 1;
    auto pad = zotools::ShowPad();
    QLabel label("0");
    label.show();
    app.processEvents();

    Flood flood(*g_Zo->Scope, *clock);

    // 1. Cost per report.
    const double label_ns = MedianPerLabelText(label);
    const double padded_ns = MedianPerReport(flood);
    std::printf("cost per position report (median of %d batches of %d):\n", kEvents / kBatch, kBatch);
    std::printf("  QLabel::setText, baseline        %8.0f ns\n", label_ns);
    std::printf("  report delivered into the pad    %8.0f ns  ratio %.2f (target at most 5)\n", padded_ns,
                padded_ns / label_ns);

    // 2. Repaints, with the flood delivered from the event loop.
    PaintCounter counter;
    for (QWidget* control : std::initializer_list<QWidget*>{pad->spnStageXY, pad->spnStageZ, pad->txtX, pad->txtY,
                                                            pad->txtZ})
        control->installEventFilter(&counter);
    label.installEventFilter(&counter);
    // Let the windows reach the screen first.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 200)
        app.processEvents();
    counter.paints.clear();

    int delivered = 0;
    int passes = 0;
    QElapsedTimer wall;
    QEventLoop loop;
    QTimer pump;
    pump.setInterval(0);
    QObject::connect(&pump, &QTimer::timeout, [&] {
        delivered += flood.Step();
        label.setText(QString::number(++passes));
        if (delivered >= kEvents && wall.elapsed() >= 2000) {
            pump.stop();
            loop.quit();
        }
    });
    wall.start();
    pump.start();
    loop.exec();
    const double seconds = wall.elapsed() / 1000.0;
    const double rate = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->refreshRate() : 60.0;
    counter.exclude = &label;
    const double paintsPerSecond = counter.Most() / std::max(seconds, 1e-3);
    const double labelPerSecond = counter.paints[&label] / std::max(seconds, 1e-3);
    std::printf("repaints while %d reports arrive from the event loop in %.2f s (%.0f reports/s):\n", delivered,
                seconds, delivered / std::max(seconds, 1e-3));
    std::printf("  most paints of one readout control %d, %.1f per second; screen refresh %.0f Hz (frame %d ms): "
                "%s\n",
                counter.Most(), paintsPerSecond, rate, FrameThrottle::FramePeriodMs(),
                paintsPerSecond <= rate ? "coalesced" : "NOT coalesced");
    std::printf("  the QLabel set on every one of the %d passes: %.1f paints per second\n", passes, labelPerSecond);

    // The simulator's own share, with the pad no longer following the axes.
    pad->sub_ReleaseParameters();
    const double bare_ns = MedianPerReport(flood);
    std::printf("  report delivered without the pad %8.0f ns  (the simulator's share; the pad adds %.0f ns, ratio "
                "%.2f)\n",
                bare_ns, padded_ns - bare_ns, (padded_ns - bare_ns) / label_ns);

    pad.reset();
    g_Zo.reset();
    return 0;
}

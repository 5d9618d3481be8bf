#pragma once
// What the Qt event benchmarks share: a flood of axis position reports from
// the simulated microscope, its cost per report against setting a QLabel's
// text in the same run, and a count of the paints it causes when it arrives
// from the event loop.

#include "core/UiServices.h"
#include "core/mdlGlobals.h"
#include "core/mdlSettings.h"
#include "model/clsZo.h"
#include "pad/frmZoControl.h"
#include "sdk/ZoScope.h"
#include "widgets/FrameThrottle.h"

#include "QuietRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace qbench {

inline constexpr int kEvents = 100000;
inline constexpr int kBatch = 1000;

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
inline double MedianPerReport(Flood& flood)
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

inline double MedianPerLabelText(QLabel& label)
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

// The simulated microscope on a manual clock with the pad loaded and shown,
// every control switched on, as the start-up leaves it; the flood of its
// axes and the baseline's label.
class PadSession {
public:
    PadSession()
    {
        g_UiServices = &m_Ui;
        // Every control shown, as a settings file without switches has it.
        g_GUIControl.fill(true);
        if (!zotools::ConnectSimulator(m_State.path().toStdString(), "", clock))
            return;
        pad = zotools::ShowPad();
        label.show();
        QApplication::processEvents();
        flood = std::make_unique<Flood>(*g_Zo->Scope, *clock);
    }
    ~PadSession()
    {
        flood.reset();
        pad.reset();
        g_Zo.reset();
    }
    bool Ok() const { return pad != nullptr; }

    std::shared_ptr<ZOSCOPELib::ManualClock> clock = std::make_shared<ZOSCOPELib::ManualClock>();
    std::unique_ptr<frmZoControl> pad;
    QLabel label{"0"};
    std::unique_ptr<Flood> flood;

private:
    zotools::QuietUi m_Ui;
    QTemporaryDir m_State;
};

struct LoopRun {
    int delivered = 0;
    int passes = 0;
    double seconds = 0.0;
};

// Delivers the flood from the Qt event loop, one clock step per pass as an
// event pump would, for at least kEvents reports and two seconds; the label
// gets a new text on every pass. The windows reach the screen first, then
// the paints are counted from zero.
inline LoopRun FloodFromEventLoop(Flood& flood, QLabel& label, PaintCounter& counter)
{
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 200)
        QApplication::processEvents();
    counter.paints.clear();

    LoopRun run;
    QElapsedTimer wall;
    QEventLoop loop;
    QTimer pump;
    pump.setInterval(0);
    QObject::connect(&pump, &QTimer::timeout, [&] {
        run.delivered += flood.Step();
        label.setText(QString::number(++run.passes));
        if (run.delivered >= kEvents && wall.elapsed() >= 2000) {
            pump.stop();
            loop.quit();
        }
    });
    wall.start();
    pump.start();
    loop.exec();
    run.seconds = std::max(wall.elapsed() / 1000.0, 1e-3);
    return run;
}

// Floods the controls from the event loop (FloodFromEventLoop) and prints how
// often the busiest of them painted, against the screen's refresh rate and
// against the label.
inline void MeasureRepaints(Flood& flood, QLabel& label, const std::vector<QWidget*>& controls, const char* what)
{
    PaintCounter counter;
    for (QWidget* control : controls)
        control->installEventFilter(&counter);
    label.installEventFilter(&counter);
    const LoopRun run = FloodFromEventLoop(flood, label, counter);
    const double rate = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->refreshRate() : 60.0;
    counter.exclude = &label;
    const double paintsPerSecond = counter.Most() / run.seconds;
    std::printf("repaints while %d reports arrive from the event loop in %.2f s (%.0f reports/s):\n", run.delivered,
                run.seconds, run.delivered / run.seconds);
    std::printf("  most paints of one %s %d, %.1f per second; screen refresh %.0f Hz (frame %d ms): %s\n", what,
                counter.Most(), paintsPerSecond, rate, FrameThrottle::FramePeriodMs(),
                paintsPerSecond <= rate ? "coalesced" : "NOT coalesced");
    std::printf("  the QLabel set on every one of the %d passes: %.1f paints per second\n", run.passes,
                counter.paints[&label] / run.seconds);
}

} // namespace qbench

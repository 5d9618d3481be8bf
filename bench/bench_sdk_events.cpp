// Cost of the SDK's event path, as ratios against a plain std::function call
// measured in the same run (CPU time, so a busy machine
// does not skew the ratios):
//  - one parameter event delivered to one subscriber (the handler reads Value);
//  - a 10 mm X stage travel with its position stream, the clock driven in
//    1 ms steps and the due events processed at each step.
#include "sdk/ZoScope.h"
#include "sdk/sim/SimControl.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

using namespace ZOSCOPELib;

namespace {

struct Bench {
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::unique_ptr<Scope> scope;
    Bench()
    {
        ScopeOptions o;
        o.clock = clock;
        o.stateFolder = (std::filesystem::temp_directory_path() / "zo-bench-sdk").string();
        scope = CreateScope(o);
        scope->Microscopes().Item(0).Connect();
    }
};

volatile int32_t g_sink = 0;

void BM_StdFunctionCall(benchmark::State& state)
{
    int32_t value = 1;
    std::function<void()> f = [&] { g_sink = value; };
    benchmark::DoNotOptimize(f);
    for (auto _ : state)
        f();
}

void BM_ParameterEvent(benchmark::State& state)
{
    Bench b;
    ShutterDevice& shutter = b.scope->EpiShutter();
    ParameterPtr opened = shutter.IsOpened();
    Subscription s = opened->OnValueChanged.Subscribe([&] { g_sink = opened->Value(); });
    bool open = false;
    // Each iteration is one state change and the one event it raises; the
    // command itself is measured separately and taken off below.
    for (auto _ : state) {
        open = !open;
        open ? shutter.Open() : shutter.Close();
    }
}

void BM_CommandWithoutSubscriber(benchmark::State& state)
{
    Bench b;
    ShutterDevice& shutter = b.scope->EpiShutter();
    bool open = false;
    for (auto _ : state) {
        open = !open;
        open ? shutter.Open() : shutter.Close();
    }
}

void BM_StageTravel10mm(benchmark::State& state)
{
    Bench b;
    AxisDevice& x = b.scope->XAxis();
    ParameterPtr position = x.Position();
    int64_t events = 0;
    Subscription s = position->OnValueChanged.Subscribe([&] {
        g_sink = position->Value();
        ++events;
    });
    int32_t target = 100000; // 10 mm at 0.1 um per unit
    for (auto _ : state) {
        x.MoveAbsolute(target);
        while (b.scope->NextEventDue() >= 0) {
            b.clock->AdvanceMs(1);
            b.scope->ProcessEvents();
        }
        target = -target;
    }
    state.counters["events_per_travel"] = static_cast<double>(events) / static_cast<double>(state.iterations());
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            times[r.benchmark_name()] = r.GetAdjustedCPUTime();
    }
    std::map<std::string, double> times;
};

} // namespace

BENCHMARK(BM_StdFunctionCall);
BENCHMARK(BM_ParameterEvent);
BENCHMARK(BM_CommandWithoutSubscriber);
BENCHMARK(BM_StageTravel10mm)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double base = reporter.times["BM_StdFunctionCall"];
    const double event = reporter.times["BM_ParameterEvent"] - reporter.times["BM_CommandWithoutSubscriber"];
    // GetAdjustedCPUTime is in each benchmark's own unit: the travel runs in microseconds.
    const double travel = reporter.times["BM_StageTravel10mm"] * 1000.0;
    if (base > 0) {
        std::printf("\nbaseline std::function call: %.2f ns\n", base);
        std::printf("one parameter event to one subscriber: %.1f ns = %.1f x a std::function call\n", event,
                    event / base);
        std::printf("10 mm stage travel with its position stream: %.0f ns = %.0f x a std::function call\n", travel,
                    travel / base);
    }
    benchmark::Shutdown();
    return 0;
}

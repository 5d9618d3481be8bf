#include "SimFixture.h"

#include <fstream>

namespace zotest {

int32_t ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const ZOSCOPELib::SdkError& e) {
        return e.Number();
    }
    return 0;
}

SimMicroscope::SimMicroscope(const SimOptions& options) : m_clock(std::make_shared<ZOSCOPELib::ManualClock>())
{
    ZOSCOPELib::ScopeOptions o;
    o.clock = m_clock;
    m_stateFolder = options.stateFolder.empty() ? TestEnv::FreshDir("sim-state").string() : options.stateFolder;
    o.stateFolder = m_stateFolder;
    o.traceFile = options.traceFile;
    if (!options.description.empty()) {
        const std::string path = (TestEnv::FreshDir("sim-description") / "instrument.ini").string();
        std::ofstream(path) << options.description;
        o.instrumentFile = path;
    }
    m_scope = ZOSCOPELib::CreateScope(o);
    m_raw = m_scope.get();
    m_control = std::make_unique<ZOSCOPELib::sim::Control>(*m_scope);
    if (options.connect) {
        ZOSCOPELib::MicroscopeEntry& entry = m_scope->Microscopes().Item(0);
        m_scope->SetCurrentMicroscope(entry);
        entry.Connect();
    }
}

void SimMicroscope::Run(int64_t ms, int64_t stepMs)
{
    for (int64_t t = 0; t < ms; t += stepMs) {
        m_clock->AdvanceMs(stepMs);
        m_raw->ProcessEvents();
    }
}

void SimMicroscope::Settle(int64_t maxMs)
{
    for (int64_t t = 0; t < maxMs && m_raw->NextEventDue() >= 0; t += 10)
        Run(10);
}

} // namespace zotest

#pragma once
// A simulated microscope for tests: manual clock, a fresh state folder, an
// optional description text, connected to entry 0 unless asked otherwise.

#include "TestEnv.h"

#include "sdk/ZoScope.h"
#include "sdk/sim/SimControl.h"

#include <functional>
#include <memory>
#include <string>

namespace zotest {

struct SimOptions {
    std::string description = {}; // text of an instrument description; "" = the built-in instrument
    std::string stateFolder = {}; // "" = a fresh folder
    std::string traceFile = {};   // "" = no trace
    bool connect = true;
};

// The number of the SdkError a call throws; 0 when it throws nothing.
int32_t ErrorOf(const std::function<void()>& call);

class SimMicroscope {
public:
    explicit SimMicroscope(const SimOptions& options = {});

    ZOSCOPELib::Scope& scope() { return *m_scope; }
    ZOSCOPELib::sim::Control& control() { return *m_control; }
    const std::string& stateFolder() const { return m_stateFolder; }
    std::shared_ptr<ZOSCOPELib::ManualClock> sharedClock() const { return m_clock; }

    // Advances the clock in steps of stepMs and delivers what comes due.
    void Run(int64_t ms, int64_t stepMs = 10);
    // Runs until nothing moves any more (at most maxMs).
    void Settle(int64_t maxMs = 60000);

    // Hands the Scope over (for clsZo); control() stays usable while it lives.
    std::unique_ptr<ZOSCOPELib::Scope> Release() { return std::move(m_scope); }

private:
    std::shared_ptr<ZOSCOPELib::ManualClock> m_clock;
    std::string m_stateFolder;
    std::unique_ptr<ZOSCOPELib::Scope> m_scope;
    std::unique_ptr<ZOSCOPELib::sim::Control> m_control;
    ZOSCOPELib::Scope* m_raw = nullptr;
};

} // namespace zotest

#pragma once
// What the picture tools and the benchmarks share: quiet UI services for runs
// with nobody at the screen, a fresh simulated microscope, the control pad as
// the start-up shows it, and the median of timings.

#include "core/UiServices.h"
#include "model/clsZo.h"
#include "pad/frmZoControl.h"
#include "sdk/ZoScope.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace zotools {

// Every message box answers `answer` at once (its text goes to standard
// error when `echo` is set); nothing waits.
class QuietUi : public UiServices {
public:
    explicit QuietUi(int answer = ID_OK, bool echo = false) : m_Answer(answer), m_Echo(echo) {}
    int ShowMessageBox(const std::string& text, int) override
    {
        if (m_Echo)
            std::fprintf(stderr, "message: %s\n", text.c_str());
        return m_Answer;
    }
    void SetBusyPointer(bool) override {}
    void FlushInput() override {}
    void SetProgress(int) override {}
    void Sleep(int) override {}
    void RefreshAllLanguage() override {}

private:
    int m_Answer;
    bool m_Echo;
};

// Makes g_Zo anew and connects it to a simulated microscope that runs on
// `clock` and keeps its state in `stateFolder` (a description file may change
// the built-in instrument). False when it cannot be opened.
inline bool ConnectSimulator(const std::string& stateFolder, const std::string& description = "",
                             std::shared_ptr<ZOSCOPELib::ManualClock> clock = nullptr)
{
    ZOSCOPELib::ScopeOptions options;
    options.clock = clock ? std::move(clock) : std::make_shared<ZOSCOPELib::ManualClock>();
    options.stateFolder = stateFolder;
    options.instrumentFile = description;
    g_Zo.reset();
    try {
        g_Zo->Scope = ZOSCOPELib::CreateScope(options);
    } catch (const ZOSCOPELib::SdkError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return false;
    }
    if (g_Zo->func_Connect(0) && g_Zo->func_ControlInfo())
        return true;
    std::fprintf(stderr, "the simulated microscope could not be opened\n");
    return false;
}

// The pad as the start-up leaves it: made, every panel initialised, shown
// and activated.
inline std::unique_ptr<frmZoControl> ShowPad()
{
    auto pad = std::make_unique<frmZoControl>();
    pad->sub_SetInitialStatus();
    pad->show();
    pad->Form_Activate();
    return pad;
}

// The middle value (0 for none).
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

} // namespace zotools

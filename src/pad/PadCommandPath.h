#pragma once

#include "sdk/DeviceIndex.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QWidget;

// What became of a command, for whoever sent it: done; refused before
// anything was sent (Text: the message that says why); failed at the
// instrument (Text: what the status line says); or not sent because a
// recall holds the pad.
struct PadCommandResult {
    enum Outcome { Done, Refused, Failed, Busy };
    Outcome Result = Done;
    std::string Text;
    bool Ok() const { return Result == Done; }
};

// The one way a command of the pad reaches the instrument, whoever sends it:
// a click, a key, the stage or TIRF window, a script. A failed command is
// never taken for done: the sender's control is read back from the device at
// once, and the failure stands in the pad's status line, naming the device
// and the reason, until the next command to that device succeeds.
class PadCommandPath {
public:
    // The observation-mode list, which has no presence number of its own.
    static constexpr int kModeList = DeviceIndex::Count;
    // How many failures the status line's tooltip keeps.
    static constexpr std::size_t kHistory = 5;

    struct Failure {
        int Device = 0;
        int32_t Number = 0; // the SDK's error number; 0 for any other error
        std::string Time;   // time of day, "HH:MM:SS"
    };

    explicit PadCommandPath(QWidget& pad);
    PadCommandPath(const PadCommandPath&) = delete;
    PadCommandPath& operator=(const PadCommandPath&) = delete;

    // One command as it is: a drag, a step, a key, a stop. `reread` shows the
    // device's real state again after a failure.
    PadCommandResult Send(int device, const std::function<void()>& call, const std::function<void()>& reread = {});
    // One command under the command guard (PadCommandGuard); the read-back
    // runs once the guard is over, with the busy flag cleared.
    PadCommandResult Guarded(int device, const std::function<void()>& call, const std::function<void()>& reread = {},
                             bool* busy = nullptr, std::initializer_list<QWidget*> others = {});

    // The failure the status line shows: the latest one still standing (null
    // when none is), and how many stand.
    const Failure* Shown() const { return m_Standing.empty() ? nullptr : &m_Standing.back(); }
    std::size_t Standing() const { return m_Standing.size(); }
    // The last failures, the newest first.
    const std::deque<Failure>& History() const { return m_History; }
    // "Filter Turret 1: did not answer", in the language loaded now.
    static std::string func_FailureText(int device, int32_t number);

    // The standing failures or the history changed.
    std::function<void()> OnChanged;

private:
    PadCommandResult Finish(int device, bool failed, int32_t number, const std::function<void()>& reread);

    QWidget& m_Pad;
    std::vector<Failure> m_Standing; // at most one per device, the latest last
    std::deque<Failure> m_History;
};

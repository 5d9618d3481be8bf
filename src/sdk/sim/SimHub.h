#pragma once
// The simulated instrument: it owns every device, the clock, the connection,
// the configuration (and its saved state), the injected faults and the call
// trace. Every call from the SDK boundary goes through Call(), which checks
// the connection, presence and faults, traces the call and, once the
// outermost call has finished, delivers the events it caused.

#include "sdk/ZoScope.h"
#include "sdk/sim/SimDescription.h"

#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace ZOSCOPELib::sim {

class SimScope;

// Something that changes with time (a turret turning, an axis travelling).
class Mover {
public:
    virtual ~Mover() = default;
    // Brings the state up to the clock and queues the events that are due.
    virtual void Tick(int64_t now) = 0;
    // Clock time of the next event, or -1 when idle.
    virtual int64_t Due() const = 0;
};

enum class Need { Nothing, Connection, Mounted };

// Text of a traced argument or result.
template <class T>
std::string TraceText(const T& value)
{
    if constexpr (std::is_same_v<T, bool>)
        return value ? "True" : "False";
    else if constexpr (std::is_arithmetic_v<T>) {
        std::ostringstream s;
        s.imbue(std::locale::classic());
        s << value;
        return s.str();
    } else if constexpr (std::is_convertible_v<T, std::string_view>)
        return "\"" + std::string(std::string_view(value)) + "\"";
    else
        return "{...}";
}

template <class... A>
std::string TraceArgs(const A&... args)
{
    std::string out;
    ((out += (out.empty() ? "" : ", ") + TraceText(args)), ...);
    return out;
}

class Hub : public std::enable_shared_from_this<Hub> {
public:
    Hub(std::shared_ptr<const Clock> clock, Description base, std::string stateFile, std::string traceFile);
    ~Hub();
    Hub(const Hub&) = delete;
    Hub& operator=(const Hub&) = delete;

    int64_t Now() const { return m_clock->NowMicroseconds(); }

    // ---- calls
    template <class F>
    auto Call(std::string_view object, int device, Need need, std::string_view member, const std::string& args,
              F&& body) -> decltype(body());

    // Queues an event; it is raised once the outermost call has finished.
    void Notify(const ParameterPtr& parameter, bool info);
    void DeliverPending();

    // ---- time
    void AddMover(Mover& mover) { m_movers.push_back(&mover); }
    void ProcessEvents();
    int64_t NextEventDue();

    // ---- connection
    bool Connected() const { return m_connected; }
    void ConnectEntry(int32_t index);
    void DisconnectEntry(int32_t index);

    // ---- configuration and presence
    Description& Config() { return m_config; }
    const Description& Config() const { return m_config; }
    bool Mounted(int index) const;
    // Call after any configuration change: raises the presence events of
    // devices that came or went and saves the state.
    void ConfigChanged();

    // ---- faults
    void SetNotAnswering(int device, bool on);
    void FailCall(std::string object, std::string member, int32_t number, int times);
    void ClearFaults();
    void Plug(int device, bool mounted);

    SimScope& Scope() { return *m_scope; }

private:
    void CheckFaults(std::string_view object, int device, std::string_view member);
    void Trace(const std::string& line);
    void RecomputeMounted();
    void SaveState();
    void LoadState();

    std::shared_ptr<const Clock> m_clock;
    Description m_base;   // the instrument as described, before any saved state
    Description m_config; // what the instrument holds now
    std::string m_stateFile;
    std::FILE* m_trace = nullptr;

    bool m_connected = false;
    std::array<bool, DeviceIndex::Count> m_plugged{}; // set by Plug(); starts from the description
    std::array<bool, DeviceIndex::Count> m_mountedNow{};
    std::set<int> m_notAnswering;
    struct FailRule {
        std::string object, member;
        int32_t number;
        int remaining; // < 0: always
    };
    std::vector<FailRule> m_failRules;

    int m_depth = 0;
    bool m_delivering = false;
    std::deque<std::pair<ParameterPtr, bool>> m_pending;
    std::vector<Mover*> m_movers;
    SimScope* m_scope = nullptr; // the object tree that owns this hub

    friend class SimScope;
};

template <class F>
auto Hub::Call(std::string_view object, int device, Need need, std::string_view member, const std::string& args,
               F&& body) -> decltype(body())
{
    using R = decltype(body());
    // The trace line is only put together when someone reads the trace: this
    // path runs for every value an event handler reads.
    auto head = [&] { return std::string(object) + "." + std::string(member) + "(" + args + ")"; };
    struct Depth {
        Hub& hub;
        explicit Depth(Hub& h) : hub(h) { ++hub.m_depth; }
        ~Depth()
        {
            if (--hub.m_depth == 0)
                hub.DeliverPending();
        }
    };
    // A handler may let go of the Scope, and with it of this hub, while the
    // events of this call are delivered: keep the hub until the call is over.
    const std::shared_ptr<Hub> pin = weak_from_this().lock();
    try {
        Depth depth(*this);
        if (need != Need::Nothing && !m_connected)
            throw SdkError("ZOSCOPELib." + std::string(object), NotConnected, "the microscope is not connected");
        CheckFaults(object, device, member);
        if (need == Need::Mounted && device >= 0 && !Mounted(device))
            throw SdkError("ZOSCOPELib." + std::string(object), NotMounted,
                           std::string(object) + " is not mounted on this microscope");
        if constexpr (std::is_void_v<R>) {
            body();
            if (m_trace)
                Trace(head() + " -> ok");
        } else {
            R result = body();
            if (m_trace)
                Trace(head() + " -> " + TraceText(result));
            return result;
        }
    } catch (const SdkError& e) {
        if (m_trace)
            Trace(head() + " !! " + std::to_string(e.Number()));
        throw;
    }
}

} // namespace ZOSCOPELib::sim

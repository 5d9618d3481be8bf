#include "sdk/sim/SimHub.h"

#include "sdk/sim/SimScope.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace ZOSCOPELib::sim {

Hub::Hub(std::shared_ptr<const Clock> clock, Description base, std::string stateFile, std::string traceFile)
    : m_clock(std::move(clock)), m_base(std::move(base)), m_config(m_base), m_stateFile(std::move(stateFile))
{
    m_plugged = m_config.mounted;
    m_notAnswering.insert(m_base.notAnswering.begin(), m_base.notAnswering.end());
    for (const FaultDescription& fault : m_base.faults)
        FailCall(fault.object, fault.member, fault.number, fault.times);
    if (!traceFile.empty())
        m_trace = std::fopen(traceFile.c_str(), "a");
}

Hub::~Hub()
{
    if (m_trace)
        std::fclose(m_trace);
}

// ---------------------------------------------------------------- events

void Hub::Notify(const ParameterPtr& parameter, bool info)
{
    const std::pair<ParameterPtr, bool> event(parameter, info);
    if (std::find(m_pending.begin(), m_pending.end(), event) == m_pending.end())
        m_pending.push_back(event);
}

void Hub::DeliverPending()
{
    if (m_delivering)
        return; // the outer delivery loop raises what handlers cause
    m_delivering = true;
    while (!m_pending.empty()) {
        if (!m_scope) {
            m_pending.clear(); // the Scope is gone: nothing more is raised for it
            break;
        }
        const auto [parameter, info] = m_pending.front();
        m_pending.pop_front();
        // A handler's failure is its own; it must not leave the instrument
        // half-way through delivering.
        try {
            (info ? parameter->OnInfoChanged : parameter->OnValueChanged).Raise();
        } catch (...) {
        }
    }
    m_delivering = false;
}

void Hub::ProcessEvents()
{
    if (m_depth > 0)
        return;
    const std::shared_ptr<Hub> pin = weak_from_this().lock(); // a handler may drop the Scope
    const int64_t now = Now();
    for (Mover* mover : m_movers)
        mover->Tick(now);
    DeliverPending();
}

int64_t Hub::NextEventDue()
{
    if (!m_pending.empty())
        return 0;
    int64_t due = -1;
    for (const Mover* mover : m_movers) {
        const int64_t d = mover->Due();
        if (d >= 0 && (due < 0 || d < due))
            due = d;
    }
    return due < 0 ? -1 : std::max<int64_t>(0, due - Now());
}

// ---------------------------------------------------------------- connection

void Hub::ConnectEntry(int32_t index)
{
    if (index > 0 && !m_config.microscopes.at(static_cast<std::size_t>(index - 1)).available)
        throw SdkError("ZOSCOPELib.Microscopes[" + std::to_string(index) + "]", NotAvailable,
                       "this microscope is not available");
    LoadState();
    m_plugged = m_config.mounted;
    m_connected = true;
    for (int i = 0; i < DeviceIndex::Count; ++i)
        m_mountedNow[static_cast<std::size_t>(i)] = Mounted(i);
}

void Hub::DisconnectEntry(int32_t)
{
    m_connected = false;
}

// ---------------------------------------------------------------- presence

bool Hub::Mounted(int index) const
{
    if (index < 0 || index >= DeviceIndex::Count || !m_plugged[static_cast<std::size_t>(index)])
        return false;
    if (const auto s = m_config.shutters.find(index); s != m_config.shutters.end())
        return s->second.builtIn || (s->second.connector != 0 && s->second.maker != 0);
    if (index == DeviceIndex::PiezoZ && (m_config.systemType == 5 || m_config.systemType == 6))
        return m_config.piezoConnection != 0;
    return true;
}

void Hub::RecomputeMounted()
{
    if (!m_scope)
        return;
    for (int i = 0; i < DeviceIndex::Count; ++i) {
        const bool now = Mounted(i);
        if (now == m_mountedNow[static_cast<std::size_t>(i)])
            continue;
        m_mountedNow[static_cast<std::size_t>(i)] = now;
        for (const SimParameterPtr& p : m_scope->PresenceParameters(i)) {
            p->NotifyValue();
            p->NotifyInfo();
        }
    }
}

void Hub::ConfigChanged()
{
    RecomputeMounted();
    SaveState();
}

// ---------------------------------------------------------------- faults

void Hub::SetNotAnswering(int device, bool on)
{
    if (on)
        m_notAnswering.insert(device);
    else
        m_notAnswering.erase(device);
}

void Hub::FailCall(std::string object, std::string member, int32_t number, int times)
{
    m_failRules.push_back({std::move(object), std::move(member), number, times});
}

void Hub::ClearFaults()
{
    m_notAnswering.clear();
    m_failRules.clear();
}

void Hub::Plug(int device, bool mounted)
{
    if (device < 0 || device >= DeviceIndex::Count)
        return;
    const std::shared_ptr<Hub> pin = weak_from_this().lock(); // a handler may drop the Scope
    m_plugged[static_cast<std::size_t>(device)] = mounted;
    RecomputeMounted();
    if (m_depth == 0)
        DeliverPending();
}

void Hub::CheckFaults(std::string_view object, int device, std::string_view member)
{
    if (device >= 0 && m_notAnswering.count(device))
        throw SdkError("ZOSCOPELib." + std::string(object), NotAnswering,
                       std::string(object) + " does not answer");
    for (auto it = m_failRules.begin(); it != m_failRules.end(); ++it) {
        // "Nosepiece" also covers "Nosepiece.Item[2]"; "*" covers everything.
        const bool objectMatches =
            it->object == "*" || object == it->object ||
            (object.size() > it->object.size() && object.substr(0, it->object.size()) == it->object &&
             (object[it->object.size()] == '.' || object[it->object.size()] == '['));
        if (!objectMatches || (it->member != "*" && it->member != member))
            continue;
        const int32_t number = it->number;
        if (it->remaining > 0 && --it->remaining == 0)
            m_failRules.erase(it);
        throw SdkError("ZOSCOPELib." + std::string(object), number,
                       "injected failure of " + std::string(object) + "." + std::string(member));
    }
}

// ---------------------------------------------------------------- trace

void Hub::Trace(const std::string& line)
{
    if (!m_trace)
        return;
    const int64_t us = Now();
    std::fprintf(m_trace, "%lld.%03lld %s\n", static_cast<long long>(us / 1000), static_cast<long long>(us % 1000),
                 line.c_str());
    std::fflush(m_trace);
}

// ---------------------------------------------------------------- state

void Hub::SaveState()
{
    if (m_stateFile.empty())
        return;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(m_stateFile);
    fs::create_directories(target.parent_path(), ec);
    // Write beside the target and rename over it, so a crash leaves either
    // the old state or the new one, never half of one.
    const std::string temp = m_stateFile + ".tmp";
    const std::string text = m_config.StateText();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    bool ok = true;
    std::size_t written = 0;
    while (ok && written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        written += ok ? static_cast<std::size_t>(n) : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok || std::rename(temp.c_str(), m_stateFile.c_str()) != 0)
        fs::remove(temp, ec);
}

void Hub::LoadState()
{
    m_config = m_base;
    if (m_stateFile.empty())
        return;
    std::ifstream in(m_stateFile, std::ios::binary);
    if (!in)
        return;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Description restored = m_base;
    try {
        restored.Apply(text, m_stateFile);
    } catch (const SdkError&) {
        return; // a damaged state is forgotten: the instrument starts as described
    }
    m_config = std::move(restored);
}

} // namespace ZOSCOPELib::sim

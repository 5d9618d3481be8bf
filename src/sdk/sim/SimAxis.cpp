#include "sdk/sim/SimAxis.h"

#include <algorithm>
#include <cmath>

namespace ZOSCOPELib::sim {

// ---------------------------------------------------------------- motion

AxisMotion::AxisMotion(DeviceCore& core, std::function<AxisDescription&()> description)
    : m_core(core), m_description(std::move(description)), m_position(m_description().position)
{
    m_parameter = core.MakeParameter(
        "Position", [this] { return Current(); }, [this] { return Range(); });
    core.hub.AddMover(*this);
}

Limits AxisMotion::Range() const
{
    const AxisDescription& s = m_description();
    return {s.lower, s.upper, s.resolution};
}

int32_t AxisMotion::Current() const
{
    if (!m_moving)
        return m_position;
    const int64_t now = m_core.hub.Now();
    if (now >= m_endTime)
        return m_target;
    const double part = static_cast<double>(now - m_startTime) / static_cast<double>(m_endTime - m_startTime);
    return static_cast<int32_t>(std::lround(m_start + (static_cast<double>(m_target) - m_start) * part));
}

void AxisMotion::MoveTo(int32_t target)
{
    const AxisDescription& s = m_description();
    if (target < s.lower || target > s.upper)
        throw SdkError("ZOSCOPELib." + m_core.object, OutOfRange,
                       std::to_string(target) + " is outside " + std::to_string(s.lower) + ".." +
                           std::to_string(s.upper));
    const int64_t now = m_core.hub.Now();
    const int32_t from = Current();
    if (from == target) {
        m_moving = false;
        m_position = target;
        return;
    }
    const double distance = std::fabs(static_cast<double>(target) - from);
    const int64_t duration = std::max<int64_t>(1, std::llround(distance / std::max(1, s.speed) * 1e6));
    m_start = from;
    m_target = target;
    m_startTime = now;
    m_endTime = now + duration;
    m_lastReport = now;
    m_moving = true;
}

void AxisMotion::Stop()
{
    if (!m_moving)
        return;
    m_position = Current();
    m_moving = false;
    m_parameter->NotifyValue();
}

void AxisMotion::Tick(int64_t now)
{
    if (!m_moving)
        return;
    if (now >= m_endTime) {
        m_position = m_target;
        m_moving = false;
        m_parameter->NotifyValue();
    } else if (now - m_lastReport >= ReportIntervalUs) {
        m_lastReport = now;
        m_parameter->NotifyValue();
    }
}

int64_t AxisMotion::Due() const
{
    return m_moving ? std::min(m_endTime, m_lastReport + ReportIntervalUs) : -1;
}

// ---------------------------------------------------------------- piezo

SimPiezo::SimPiezo(Hub& hub)
    : SimAxis(hub, DeviceIndex::PiezoZ, "PiezoZ",
              [&hub]() -> AxisDescription& { return hub.Config().axes.at(DeviceIndex::PiezoZ); })
{
}

int32_t SimPiezo::Connection()
{
    return m_core.Call("Connection", "", [this] { return m_core.hub.Config().piezoConnection; }, Need::Connection);
}

void SimPiezo::SetConnection(int32_t value)
{
    m_core.Call(
        "SetConnection", TraceArgs(value),
        [&] {
            if (value < -1 || value > 1)
                throw SdkError("ZOSCOPELib.PiezoZ", OutOfRange, "the connection is 0, 1 or -1");
            if (m_core.hub.Config().piezoConnection == value)
                return;
            m_core.hub.Config().piezoConnection = value;
            m_core.isMounted->NotifyInfo();
            m_core.hub.ConfigChanged();
        },
        Need::Connection);
}

// ---------------------------------------------------------------- TIRF

SimTIRF::SimTIRF(Hub& hub)
    : SimAxis(hub, DeviceIndex::TIRF, "TIRF",
              [&hub]() -> AxisDescription& { return hub.Config().axes.at(DeviceIndex::TIRF); }),
      m_on(m_core, "IsOn", 0), m_erg(m_core, "ERG", 0)
{
}

ParameterPtr SimTIRF::IsOn()
{
    return m_core.Call("IsOn", "", [this] { return ParameterPtr(m_on.Parameter()); });
}

void SimTIRF::On()
{
    m_core.Call("On", "", [this] { m_on.Set(1); });
}

void SimTIRF::Off()
{
    m_core.Call("Off", "", [this] { m_on.Set(0); });
}

ParameterPtr SimTIRF::ERG()
{
    return m_core.Call("ERG", "", [this] { return ParameterPtr(m_erg.Parameter()); });
}

void SimTIRF::SetERG(int32_t value)
{
    m_core.Call("SetERG", TraceArgs(value), [&] {
        if (value != 0 && value != 1)
            throw SdkError("ZOSCOPELib.TIRF", OutOfRange, "ERG is 0 or 1");
        m_erg.Set(value);
    });
}

// ---------------------------------------------------------------- FKS

SimFKS::SimFKS(Hub& hub)
    : SimDevice(hub, DeviceIndex::FKS, "FKSUnit"), m_status(m_core, "Status", 0),
      m_offset(hub, DeviceIndex::FKS, "FKSUnit.Offset", [&hub]() -> AxisDescription& { return hub.Config().fksOffset; })
{
}

ParameterPtr SimFKS::Status()
{
    return m_core.Call("Status", "", [this] { return ParameterPtr(m_status.Parameter()); });
}

void SimFKS::On()
{
    m_core.Call("On", "", [this] { m_status.Set(1); });
}

void SimFKS::Off()
{
    m_core.Call("Off", "", [this] { m_status.Set(0); });
}

AxisDevice& SimFKS::Offset()
{
    return *m_core.Call("Offset", "", [this] { return static_cast<AxisDevice*>(&m_offset); });
}

// ---------------------------------------------------------------- XY stage

SimXYStage::SimXYStage(Hub& hub, SimPlainAxis& x, SimPlainAxis& y) : SimDevice(hub, -1, "XYStage"), m_x(x), m_y(y)
{
    // The stage is there when both of its axes are.
    m_core.isMounted = m_core.MakeParameter(
        "IsMounted", [&hub] { return hub.Mounted(DeviceIndex::XAxis) && hub.Mounted(DeviceIndex::YAxis) ? 1 : 0; },
        [] { return Limits{0, 1, 1}; }, Need::Connection);
}

template <class F>
auto SimXYStage::Call(std::string_view member, const std::string& args, F&& body)
{
    return m_core.Call(
        member, args,
        [&] {
            if (!m_core.hub.Mounted(DeviceIndex::XAxis) || !m_core.hub.Mounted(DeviceIndex::YAxis))
                throw SdkError("ZOSCOPELib.XYStage", NotMounted, "the XY stage needs both axes");
            return body();
        },
        Need::Connection);
}

ParameterPtr SimXYStage::Value()
{
    return Call("Value", "", [this] { return ParameterPtr(m_x.Motion().Parameter()); });
}

void SimXYStage::SetValue(double)
{
    Call("SetValue", "", [] {
        throw SdkError("ZOSCOPELib.XYStage", InvalidArgument, "move the stage with MoveAbsolute(x, y)");
    });
}

void SimXYStage::MoveAbsolute(int32_t x, int32_t y)
{
    Call("MoveAbsolute", TraceArgs(x, y), [&] {
        // Both targets are checked before either axis starts.
        const Limits lx = m_x.Motion().Range();
        const Limits ly = m_y.Motion().Range();
        if (x < lx.lower || x > lx.upper || y < ly.lower || y > ly.upper)
            throw SdkError("ZOSCOPELib.XYStage", OutOfRange, "the target is outside the stage's travel");
        m_x.Motion().MoveTo(x);
        m_y.Motion().MoveTo(y);
    });
}

void SimXYStage::Stop()
{
    Call("Stop", "", [this] {
        m_x.Motion().Stop();
        m_y.Motion().Stop();
    });
}

} // namespace ZOSCOPELib::sim

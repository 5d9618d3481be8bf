#include "sdk/sim/SimSwitchDevices.h"

#include <cmath>

namespace ZOSCOPELib::sim {

namespace {
[[noreturn]] void Refuse(const DeviceCore& core, ErrorNumber number, const std::string& text)
{
    throw SdkError("ZOSCOPELib." + core.object, number, text);
}
} // namespace

// ---------------------------------------------------------------- shutters

SimShutter::SimShutter(Hub& hub, int index) : SimDevice(hub, index, DeviceObjectName(index)), m_opened(m_core, "IsOpened", 0)
{
}

ParameterPtr SimShutter::IsOpened()
{
    return m_core.Call("IsOpened", "", [this] { return ParameterPtr(m_opened.Parameter()); });
}

void SimShutter::Open()
{
    m_core.Call("Open", "", [this] { m_opened.Set(1); });
}

void SimShutter::Close()
{
    m_core.Call("Close", "", [this] { m_opened.Set(0); });
}

// Wiring is asked and changed whether or not the shutter is present at the
// moment: wiring is what makes an external shutter present.
void SimShutter::GetConnection(int32_t& connector, int32_t& maker)
{
    m_core.Call(
        "GetConnection", "",
        [&] {
            connector = Wiring().connector;
            maker = Wiring().maker;
        },
        Need::Connection);
}

void SimShutter::Connect(int32_t connector, int32_t maker)
{
    m_core.Call(
        "Connect", TraceArgs(connector, maker),
        [&] {
            if (connector < 1 || connector > 2)
                Refuse(m_core, OutOfRange, "the connector is 1 or 2");
            if (maker < 0 || maker > 99)
                Refuse(m_core, OutOfRange, "unknown maker");
            // One connector drives one shutter: whatever was wired there is released.
            for (auto& [index, other] : m_core.hub.Config().shutters)
                if (index != m_core.index && other.connector == connector && !other.builtIn) {
                    other.connector = 0;
                    other.maker = 0;
                }
            Wiring().connector = connector;
            Wiring().maker = maker;
            m_core.hub.ConfigChanged();
        },
        Need::Connection);
}

void SimShutter::Release(int32_t connector)
{
    m_core.Call(
        "Release", TraceArgs(connector),
        [&] {
            if (connector < 1 || connector > 2)
                Refuse(m_core, OutOfRange, "the connector is 1 or 2");
            ShutterDescription& w = Wiring();
            if (w.connector != connector)
                return;
            if (w.builtIn) {
                w.maker = 1; // back to the built-in shutter
            } else {
                w.connector = 0;
                w.maker = 0;
            }
            m_core.hub.ConfigChanged();
        },
        Need::Connection);
}

// ---------------------------------------------------------------- illuminator

SimIlluminator::SimIlluminator(Hub& hub)
    : SimDevice(hub, DeviceIndex::Illuminator, "Irlux"), m_opened(m_core, "IsOpened", 0),
      m_nd(m_core, "NDPosition", [&hub]() -> TurretDescription& { return hub.Config().ndWheel; })
{
}

ParameterPtr SimIlluminator::IsOpened()
{
    return m_core.Call("IsOpened", "", [this] { return ParameterPtr(m_opened.Parameter()); });
}

void SimIlluminator::Open()
{
    m_core.Call("Open", "", [this] { m_opened.Set(1); });
}

void SimIlluminator::Close()
{
    m_core.Call("Close", "", [this] { m_opened.Set(0); });
}

ParameterPtr SimIlluminator::NDPosition()
{
    return m_core.Call("NDPosition", "", [this] { return ParameterPtr(m_nd.Parameter()); });
}

void SimIlluminator::SetNDPosition(int32_t position)
{
    m_core.Call("SetNDPosition", TraceArgs(position), [&] { m_nd.MoveTo(position); });
}

int32_t SimIlluminator::NDCount()
{
    return m_core.Call("NDCount", "", [this] { return m_nd.Count(); });
}

void SimIlluminator::NDStepForward()
{
    m_core.Call("NDStepForward", "", [this] { m_nd.Step(1); });
}

void SimIlluminator::NDStepBackward()
{
    m_core.Call("NDStepBackward", "", [this] { m_nd.Step(-1); });
}

// ---------------------------------------------------------------- DIA lamp

SimLamp::SimLamp(Hub& hub)
    : SimDevice(hub, DeviceIndex::DiaLamp, "DiaLamp"), m_on(m_core, "IsOn", 0),
      m_level(m_core, "Value", hub.Config().lamp.position), m_switch(m_core, "ControlSwitch", 1)
{
}

Limits SimLamp::DeviceLimits() const
{
    const AxisDescription& lamp = m_core.hub.Config().lamp;
    return {lamp.lower, lamp.upper, 1};
}

void SimLamp::CheckControl() const
{
    if (m_switch.Get() == 0)
        Refuse(m_core, ManualControl, "the lamp is under the microscope's own control");
}

ParameterPtr SimLamp::Value()
{
    return m_core.Call("Value", "", [this] { return ParameterPtr(m_level.Parameter()); });
}

void SimLamp::SetValue(double value)
{
    m_core.Call("SetValue", TraceArgs(value), [&] {
        CheckControl();
        const Limits range = DeviceLimits();
        if (!std::isfinite(value) || value < range.lower || value > range.upper)
            Refuse(m_core, OutOfRange, "the lamp level is outside its range");
        m_level.Set(static_cast<int32_t>(std::lround(value)));
    });
}

ParameterPtr SimLamp::IsOn()
{
    return m_core.Call("IsOn", "", [this] { return ParameterPtr(m_on.Parameter()); });
}

void SimLamp::On()
{
    m_core.Call("On", "", [this] {
        CheckControl();
        m_on.Set(1);
    });
}

void SimLamp::Off()
{
    m_core.Call("Off", "", [this] {
        CheckControl();
        m_on.Set(0);
    });
}

ParameterPtr SimLamp::ControlSwitch()
{
    return m_core.Call("ControlSwitch", "", [this] { return ParameterPtr(m_switch.Parameter()); });
}

void SimLamp::SetControlSwitch(int32_t value)
{
    m_core.Call("SetControlSwitch", TraceArgs(value), [&] {
        if (value != 0 && value != 1)
            Refuse(m_core, OutOfRange, "the control switch is 0 or 1");
        m_switch.Set(value);
    });
}

// ---------------------------------------------------------------- analyzer

SimAnalyzer::SimAnalyzer(Hub& hub) : SimDevice(hub, DeviceIndex::Analyzer, "Analyzer"), m_in(m_core, "IsInserted", 0) {}

ParameterPtr SimAnalyzer::IsInserted()
{
    return m_core.Call("IsInserted", "", [this] { return ParameterPtr(m_in.Parameter()); });
}

void SimAnalyzer::In()
{
    m_core.Call("In", "", [this] { m_in.Set(1); });
}

void SimAnalyzer::Out()
{
    m_core.Call("Out", "", [this] { m_in.Set(0); });
}

// ---------------------------------------------------------------- camera ports

SimCameraPort::SimCameraPort(Hub& hub, int index) : SimDevice(hub, index, DeviceObjectName(index))
{
    m_value = m_core.MakeParameter(
        "Value", [this] { return m_core.hub.Mounted(m_core.index) ? 1 : 0; }, [] { return Limits{0, 1, 1}; },
        Need::Connection);
}

ParameterPtr SimCameraPort::Value()
{
    return m_core.Call("Value", "", [this] { return ParameterPtr(m_value); }, Need::Connection);
}

void SimCameraPort::SetValue(double)
{
    m_core.Call("SetValue", "", [this] { Refuse(m_core, InvalidArgument, "the port's presence is read-only"); });
}

int32_t SimCameraPort::CameraType()
{
    return m_core.Call("CameraType", "", [this] { return Camera().type; });
}

int32_t SimCameraPort::CameraMaker()
{
    return m_core.Call("CameraMaker", "", [this] { return Camera().maker; });
}

void SimCameraPort::SetCamera(int32_t type, int32_t maker)
{
    m_core.Call("SetCamera", TraceArgs(type, maker), [&] {
        if (type < 0 || type > 99 || maker < 0 || maker > 99)
            Refuse(m_core, OutOfRange, "unknown camera type or maker");
        if (Camera().type == type && Camera().maker == maker)
            return;
        Camera() = {type, maker};
        m_core.isMounted->NotifyInfo();
        m_value->NotifyInfo();
        m_core.hub.ConfigChanged();
    });
}

// ---------------------------------------------------------------- ergo controller

SimErgo::SimErgo(Hub& hub)
    : SimDevice(hub, DeviceIndex::ErgoController, "ErgoController"), m_switch(m_core, "Switch", 0)
{
    m_enabled = m_core.MakeParameter("SwitchEnabled", [&hub] { return hub.Config().ergoSwitchEnabled; });
}

void SimErgo::SetValue(double)
{
    m_core.Call("SetValue", "", [this] { Refuse(m_core, InvalidArgument, "the switch is operated by hand"); });
}

ErgoControllerDevice::KeyCodes SimErgo::GetKeys()
{
    return m_core.Call("GetKeys", "", [this] { return m_core.hub.Config().ergoKeys; });
}

void SimErgo::SetKeys(const KeyCodes& codes)
{
    std::string args;
    for (int32_t c : codes)
        args += (args.empty() ? "" : ", ") + std::to_string(c);
    m_core.Call("SetKeys", args, [&] {
        for (int32_t c : codes)
            if (c < 0 || c > 99999)
                Refuse(m_core, OutOfRange, "a key code is outside 0..99999");
        if (m_core.hub.Config().ergoKeys == codes)
            return;
        m_core.hub.Config().ergoKeys = codes;
        m_core.isMounted->NotifyInfo();
        m_core.hub.ConfigChanged();
    });
}

ParameterPtr SimErgo::SwitchEnabled()
{
    return m_core.Call("SwitchEnabled", "", [this] { return ParameterPtr(m_enabled); });
}

void SimErgo::SetEnabled(std::string_view member, int32_t value)
{
    m_core.Call(member, "", [&] {
        if (m_core.hub.Config().ergoSwitchEnabled == value)
            return;
        m_core.hub.Config().ergoSwitchEnabled = value;
        m_enabled->NotifyValue();
        m_core.hub.ConfigChanged();
    });
}

void SimErgo::EnableSwitch()
{
    SetEnabled("EnableSwitch", 1);
}

void SimErgo::DisableSwitch()
{
    SetEnabled("DisableSwitch", 0);
}

ParameterPtr SimErgo::Switch()
{
    return m_core.Call("Switch", "", [this] { return ParameterPtr(m_switch.Parameter()); });
}

// ---------------------------------------------------------------- presence only

void SimPresence::SetValue(double)
{
    m_core.Call("SetValue", "", [this] { Refuse(m_core, InvalidArgument, "this device has no value to set"); });
}

} // namespace ZOSCOPELib::sim

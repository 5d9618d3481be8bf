#pragma once
// What every simulated device shares: its name and presence index, its
// IsMounted parameter, the way its calls reach the hub, and small building
// blocks (an on/off value with its parameter).

#include "sdk/sim/SimHub.h"
#include "sdk/sim/SimParameter.h"

#include <string>

namespace ZOSCOPELib::sim {

class DeviceCore {
public:
    DeviceCore(Hub& hub, int index, std::string object);

    template <class F>
    auto Call(std::string_view member, const std::string& args, F&& body, Need need = Need::Mounted)
    {
        return hub.Call(object, index, need, member, args, std::forward<F>(body));
    }

    SimParameterPtr MakeParameter(std::string member, std::function<int32_t()> value,
                                  std::function<Limits()> limits, Need need = Need::Mounted);
    SimParameterPtr MakeParameter(std::string member, std::function<int32_t()> value);

    Hub& hub;
    const int index;
    const std::string object;
    SimParameterPtr isMounted;
};

// An on/off (or small whole-number) state with its parameter; setting a new
// value raises OnValueChanged, setting the same value raises nothing.
class StateValue {
public:
    StateValue(DeviceCore& core, std::string member, int32_t initial);
    int32_t Get() const { return m_value; }
    void Set(int32_t value);
    const SimParameterPtr& Parameter() const { return m_parameter; }

private:
    int32_t m_value;
    SimParameterPtr m_parameter;
};

// Implements the members every device has, on top of one of the SDK's device
// interfaces. Value() and SetValue() are the device's own.
template <class Iface>
class SimDevice : public Iface {
public:
    SimDevice(Hub& hub, int index, std::string object) : m_core(hub, index, std::move(object)) {}

    ParameterPtr IsMounted() override
    {
        return m_core.Call("IsMounted", "", [this] { return ParameterPtr(m_core.isMounted); }, Need::Connection);
    }
    int32_t LowerLimit() override
    {
        return m_core.Call("LowerLimit", "", [this] { return DeviceLimits().lower; });
    }
    int32_t UpperLimit() override
    {
        return m_core.Call("UpperLimit", "", [this] { return DeviceLimits().upper; });
    }
    double Resolution() override
    {
        return m_core.Call("Resolution", "", [this] { return DeviceLimits().resolution; });
    }

    const DeviceCore& SimCore() const { return m_core; }

protected:
    virtual Limits DeviceLimits() const { return {0, 1, 1}; }
    DeviceCore m_core;
};

} // namespace ZOSCOPELib::sim

#include "sdk/sim/SimDeviceCore.h"

namespace ZOSCOPELib::sim {

DeviceCore::DeviceCore(Hub& h, int i, std::string o) : hub(h), index(i), object(std::move(o))
{
    isMounted = MakeParameter(
        "IsMounted", [this] { return hub.Mounted(index) ? 1 : 0; }, [] { return Limits{0, 1, 1}; }, Need::Connection);
}

SimParameterPtr DeviceCore::MakeParameter(std::string member, std::function<int32_t()> value,
                                          std::function<Limits()> limits, Need need)
{
    return std::make_shared<SimParameter>(hub.weak_from_this(), object, index, std::move(member), need,
                                          std::move(value), std::move(limits));
}

SimParameterPtr DeviceCore::MakeParameter(std::string member, std::function<int32_t()> value)
{
    return MakeParameter(std::move(member), std::move(value), [] { return Limits{0, 1, 1}; });
}

StateValue::StateValue(DeviceCore& core, std::string member, int32_t initial) : m_value(initial)
{
    m_parameter = core.MakeParameter(std::move(member), [this] { return m_value; });
}

void StateValue::Set(int32_t value)
{
    if (value == m_value)
        return;
    m_value = value;
    m_parameter->NotifyValue();
}

} // namespace ZOSCOPELib::sim

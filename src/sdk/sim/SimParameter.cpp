#include "sdk/sim/SimParameter.h"

namespace ZOSCOPELib::sim {

SimParameter::SimParameter(std::weak_ptr<Hub> hub, std::string object, int device, std::string member, Need need,
                           std::function<int32_t()> value, std::function<Limits()> limits)
    : m_hub(std::move(hub)), m_object(std::move(object)), m_device(device), m_valueMember(member + ".Value"),
      m_stringMember(member + ".ValueString"), m_lowerMember(member + ".LowerLimit"),
      m_upperMember(member + ".UpperLimit"), m_resolutionMember(member + ".Resolution"), m_need(need),
      m_value(std::move(value)), m_limits(std::move(limits))
{
}

template <class F>
auto SimParameter::Read(const std::string& member, F&& f) const
{
    const std::shared_ptr<Hub> hub = m_hub.lock();
    if (!hub)
        throw SdkError("ZOSCOPELib." + m_object, NotConnected, "the microscope object has been released");
    static const std::string noArguments;
    return hub->Call(m_object, m_device, m_need, member, noArguments, std::forward<F>(f));
}

int32_t SimParameter::Value() const
{
    return Read(m_valueMember, [this] { return m_value(); });
}

std::string SimParameter::ValueString() const
{
    return Read(m_stringMember, [this] { return std::to_string(m_value()); });
}

int32_t SimParameter::LowerLimit() const
{
    return Read(m_lowerMember, [this] { return m_limits().lower; });
}

int32_t SimParameter::UpperLimit() const
{
    return Read(m_upperMember, [this] { return m_limits().upper; });
}

double SimParameter::Resolution() const
{
    return Read(m_resolutionMember, [this] { return m_limits().resolution; });
}

void SimParameter::NotifyValue()
{
    if (const auto hub = m_hub.lock())
        hub->Notify(shared_from_this(), false);
}

void SimParameter::NotifyInfo()
{
    if (const auto hub = m_hub.lock())
        hub->Notify(shared_from_this(), true);
}

} // namespace ZOSCOPELib::sim

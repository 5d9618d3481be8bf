#include "sdk/sim/SimParameter.h"

namespace ZOSCOPELib::sim {

SimParameter::SimParameter(std::weak_ptr<Hub> hub, std::string object, int device, std::string member, Need need,
                           std::function<int32_t()> value, std::function<Limits()> limits)
    : m_hub(std::move(hub)), m_object(std::move(object)), m_device(device), m_member(std::move(member)),
      m_need(need), m_value(std::move(value)), m_limits(std::move(limits))
{
}

template <class F>
auto SimParameter::Read(const char* what, F&& f) const
{
    const std::shared_ptr<Hub> hub = m_hub.lock();
    if (!hub)
        throw SdkError("ZOSCOPELib." + m_object, NotConnected, "the microscope object has been released");
    return hub->Call(m_object, m_device, m_need, m_member + "." + what, "", std::forward<F>(f));
}

int32_t SimParameter::Value() const
{
    return Read("Value", [this] { return m_value(); });
}

std::string SimParameter::ValueString() const
{
    return Read("ValueString", [this] { return std::to_string(m_value()); });
}

int32_t SimParameter::LowerLimit() const
{
    return Read("LowerLimit", [this] { return m_limits().lower; });
}

int32_t SimParameter::UpperLimit() const
{
    return Read("UpperLimit", [this] { return m_limits().upper; });
}

double SimParameter::Resolution() const
{
    return Read("Resolution", [this] { return m_limits().resolution; });
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

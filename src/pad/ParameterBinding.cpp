#include "pad/ParameterBinding.h"

#include "core/TrapErrors.h"

namespace {

ZOSCOPELib::Subscription Subscribe(ZOSCOPELib::Event& event, ParameterBinding::Handler handler)
{
    if (!handler)
        return {};
    return event.Subscribe([handler = std::move(handler)] { TrapErrors(handler); });
}

} // namespace

void ParameterBinding::Bind(ZOSCOPELib::ParameterPtr parameter, Handler onValueChanged, Handler onInfoChanged)
{
    Release();
    if (!parameter)
        return;
    m_ValueChanged = Subscribe(parameter->OnValueChanged, std::move(onValueChanged));
    m_InfoChanged = Subscribe(parameter->OnInfoChanged, std::move(onInfoChanged));
    m_Parameter = std::move(parameter);
}

void ParameterBinding::Release()
{
    m_ValueChanged.reset();
    m_InfoChanged.reset();
    m_Parameter.reset();
}

ZOSCOPELib::Parameter& ParameterBinding::operator*() const
{
    if (!m_Parameter)
        throw ZOSCOPELib::SdkError("ZoControl", ZOSCOPELib::NotConnected, "the parameter is not bound");
    return *m_Parameter;
}

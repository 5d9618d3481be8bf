#include "pad/ToggleDeviceBinding.h"

#include "pad/PadCommandGuard.h"
#include "widgets/usrMPButton.h"

#include <QWidget>

ToggleDeviceBinding::ToggleDeviceBinding(QWidget& pad, ParameterBinding& member, usrMPButton& button)
    : m_Pad(pad), m_Member(member), m_Button(button)
{
    QObject::connect(&button, &usrMPButton::clicked, &button, [this] { OnClicked(); });
}

void ToggleDeviceBinding::Bind(ZOSCOPELib::ParameterPtr state, Sender send)
{
    m_Send = std::move(send);
    m_Member.Bind(std::move(state), [this] { OnValueChanged(); });
}

void ToggleDeviceBinding::OnValueChanged()
{
    const bool on = m_Member.Value() == 1;
    m_Button.setState(on ? 1 : 2);
    if (AfterValue)
        AfterValue(on);
}

void ToggleDeviceBinding::OnClicked()
{
    if (!m_Send)
        return;
    const bool on = m_Button.state() == 1;
    PadCommandGuard::Run(m_Pad, nullptr, [&] { m_Send(on); });
}

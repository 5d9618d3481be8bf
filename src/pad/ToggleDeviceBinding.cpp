#include "pad/ToggleDeviceBinding.h"

#include "widgets/usrMPButton.h"

ToggleDeviceBinding::ToggleDeviceBinding(PadCommandPath& path, ParameterBinding& member, usrMPButton& button)
    : m_Path(path), m_Member(member), m_Button(button)
{
    QObject::connect(&button, &usrMPButton::clicked, &button, [this] { OnClicked(); });
}

void ToggleDeviceBinding::Bind(int device, ZOSCOPELib::ParameterPtr state, Sender send)
{
    m_Device = device;
    m_Send = std::move(send);
    m_Member.Bind(std::move(state), [this] { OnValueChanged(); });
}

void ToggleDeviceBinding::OnValueChanged()
{
    m_ReportedOn = m_Member.Value() == 1;
    Show(m_ReportedOn);
}

void ToggleDeviceBinding::Show(bool on)
{
    m_Button.setState(on ? 1 : 2);
    if (AfterValue)
        AfterValue(on);
}

void ToggleDeviceBinding::OnClicked()
{
    if (m_Send)
        Send(m_Button.state() == 1);
}

PadCommandResult ToggleDeviceBinding::func_Command(bool on)
{
    if (!m_Send)
        return {PadCommandResult::Refused, PadCommandPath::func_FailureText(m_Device, ZOSCOPELib::NotMounted)};
    m_Button.setState(on ? 1 : 2);
    return Send(on);
}

PadCommandResult ToggleDeviceBinding::Send(bool on)
{
    return m_Path.Guarded(m_Device, [&] { m_Send(on); }, [this] {
        Show(m_ReportedOn);
        OnValueChanged();
    });
}

#include "pad/ListDeviceBinding.h"

#include "core/FlagScope.h"
#include "widgets/usrComboBox.h"

ListDeviceBinding::ListDeviceBinding(PadCommandPath& path, ParameterBinding& member, usrComboBox& list)
    : m_Path(path), m_Member(member), m_List(list)
{
    QObject::connect(&list, &usrComboBox::selected, &list, [this](int index) { OnSelected(index); });
}

void ListDeviceBinding::Bind(int device, ZOSCOPELib::ParameterPtr position, Sender send, Builder build)
{
    m_Device = device;
    m_Send = std::move(send);
    m_Build = std::move(build);
    m_Member.Bind(
        std::move(position), [this] { OnValueChanged(); },
        m_Build ? ParameterBinding::Handler([this] { OnInfoChanged(); }) : ParameterBinding::Handler());
}

void ListDeviceBinding::OnValueChanged()
{
    if (m_Busy)
        return;
    const int32_t value = m_Member.Value();
    if (value <= 0)
        return;
    m_Reported = value - 1;
    ShowReported();
    if (AfterSelect)
        AfterSelect();
}

void ListDeviceBinding::ShowReported()
{
    const FlagScope updating(m_Updating);
    if (m_Reported < m_List.count()) {
        m_List.setSelectedIndex(m_Reported);
        m_List.setText(m_Reported >= 0 ? m_List.itemText(m_Reported) : QString());
    }
}

void ListDeviceBinding::OnInfoChanged()
{
    if (!m_Build)
        return;
    WhileUpdating([this] { m_Build(m_List); });
    if (AfterBuild)
        AfterBuild();
}

void ListDeviceBinding::OnSelected(int index)
{
    if (m_Updating || index < 0 || !m_Send)
        return;
    Send(index + 1);
}

PadCommandResult ListDeviceBinding::func_Command(int32_t position)
{
    if (!m_Send)
        return {PadCommandResult::Refused, PadCommandPath::func_FailureText(m_Device, ZOSCOPELib::NotMounted)};
    if (position < 1 || position > m_List.count())
        return {PadCommandResult::Refused, PadCommandPath::func_FailureText(m_Device, ZOSCOPELib::OutOfRange)};
    WhileUpdating([&] { m_List.setSelectedIndex(position - 1); });
    return Send(position);
}

PadCommandResult ListDeviceBinding::Send(int32_t position)
{
    return m_Path.Guarded(
        m_Device, [&] { m_Send(position); },
        [this] {
            // What it reported last stays when it cannot be read now.
            ShowReported();
            OnValueChanged();
        },
        &m_Busy);
}

void ListDeviceBinding::WhileUpdating(const std::function<void()>& write)
{
    const FlagScope updating(m_Updating);
    write();
}

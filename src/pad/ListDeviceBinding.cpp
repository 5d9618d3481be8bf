#include "pad/ListDeviceBinding.h"

#include "core/FlagScope.h"
#include "pad/PadCommandGuard.h"
#include "core/TrapErrors.h"
#include "widgets/usrComboBox.h"

#include <QWidget>


ListDeviceBinding::ListDeviceBinding(QWidget& pad, ParameterBinding& member, usrComboBox& list)
    : m_Pad(pad), m_Member(member), m_List(list)
{
    QObject::connect(&list, &usrComboBox::selected, &list, [this](int index) { OnSelected(index); });
}

void ListDeviceBinding::Bind(ZOSCOPELib::ParameterPtr position, Sender send, Builder build)
{
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
    {
        const FlagScope updating(m_Updating);
        const int index = value - 1;
        if (index < m_List.count()) {
            m_List.setSelectedIndex(index);
            m_List.setText(m_List.itemText(index));
        }
    }
    if (AfterSelect)
        AfterSelect();
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
    PadCommandGuard::Run(m_Pad, &m_Busy, [&] { m_Send(index + 1); });
}

void ListDeviceBinding::WhileUpdating(const std::function<void()>& write)
{
    const FlagScope updating(m_Updating);
    write();
}

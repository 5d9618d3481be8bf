#include "settings/ModeSwitchCtl.h"

#include "settings/SettingCheckBox.h"

#include <QVBoxLayout>

ModeSwitchCtl::ModeSwitchCtl(Mode mode, const char* box, const std::string* caption, QWidget* parent)
    : SettingPage(parent), m_Mode(mode), m_Caption(caption)
{
    m_Box = new SettingCheckBox(this);
    m_Box->setObjectName(box);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Box);
    layout->addStretch();
    connect(m_Box, &SettingCheckBox::clicked, this, [this] { m_Mode.set(m_Box->Value() ? 1 : 0); });
}

void ModeSwitchCtl::sub_LoadData()
{
    m_Box->SetValue(m_Mode.get() == 1);
}

void ModeSwitchCtl::sub_RefreshLanguage()
{
    m_Box->setText(QString::fromStdString(*m_Caption));
}

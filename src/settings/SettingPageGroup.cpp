#include "settings/SettingPageGroup.h"

#include "core/mdlSettings.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>

SettingPageGroup::SettingPageGroup(int group, std::vector<SettingEntry> entries, QWidget* parent)
    : SettingPageContainer(parent), m_Group(group), m_Entries(std::move(entries))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* menu = new QHBoxLayout;
    m_Menu = new QButtonGroup(this);
    auto* pages = new QWidget(this);
    m_Stack = new QStackedLayout(pages);
    // Buttons first, so that Tab reaches the menu before the page.
    for (std::size_t i = 0; i < m_Entries.size(); ++i) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QString("optMenu%1").arg(i));
        m_Menu->addButton(button, static_cast<int>(i));
        menu->addWidget(button);
        m_Buttons.push_back(button);
    }
    for (std::size_t i = 0; i < m_Entries.size(); ++i) {
        SettingPage* page = m_Entries[i].create(pages);
        page->setObjectName(m_Entries[i].name);
        m_Stack->addWidget(page);
        AddPage(page);
    }
    menu->addStretch();
    layout->addLayout(menu);
    // One page needs no menu.
    if (m_Entries.size() > 1) {
        auto* rule = new QFrame(this);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        layout->addWidget(rule);
    } else {
        for (QRadioButton* button : m_Buttons)
            button->hide();
    }
    layout->addWidget(pages, 1);
    connect(m_Menu, &QButtonGroup::idClicked, this, [this](int index) { optMenu_Click(index); });
}

SettingPageGroup::~SettingPageGroup() = default;

bool SettingPageGroup::IsEnabled(int index) const
{
    const std::function<bool()>& enabled = m_Entries[static_cast<std::size_t>(index)].enabled;
    return !enabled || enabled();
}

void SettingPageGroup::sub_UpdateEnabled()
{
    for (int i = 0; i < PageCount(); ++i) {
        const bool enabled = IsEnabled(i);
        m_Buttons[static_cast<std::size_t>(i)]->setEnabled(enabled);
        Page(i)->setEnabled(enabled);
    }
}

void SettingPageGroup::sub_Enter(bool returning)
{
    sub_UpdateEnabled();
    // Unchecking needs the buttons out of their exclusive group for a moment.
    m_Menu->setExclusive(false);
    for (QRadioButton* button : m_Buttons)
        button->setChecked(false);
    m_Menu->setExclusive(true);
    int remembered = returning ? g_DefaultGUIPage[static_cast<std::size_t>(m_Group)] : 0;
    int index = func_MenuEntry(remembered);
    if (index < 0 || index >= PageCount())
        index = remembered = 0;
    for (int i = 0; i < PageCount() && !IsEnabled(index); ++i)
        if (IsEnabled(i))
            index = remembered = i;
    if (PageCount() > 0)
        optMenu_Click(remembered);
}

SettingPage* SettingPageGroup::sub_ShowEntry(int index)
{
    SettingPage* page = Page(index);
    if (!page)
        return nullptr;
    m_Current = index;
    m_Buttons[static_cast<std::size_t>(index)]->setChecked(true);
    m_Stack->setCurrentWidget(page);
    return page;
}

void SettingPageGroup::optMenu_Click(int index)
{
    SettingPage* page = sub_ShowEntry(index);
    if (!page)
        return;
    page->sub_LoadData();
    g_DefaultGUIPage[static_cast<std::size_t>(m_Group)] = static_cast<int16_t>(index);
}

void SettingPageGroup::sub_LoadData()
{
    sub_UpdateEnabled();
    SettingPageContainer::sub_LoadData();
}

void SettingPageGroup::sub_RefreshLanguage()
{
    for (std::size_t i = 0; i < m_Entries.size(); ++i)
        m_Buttons[i]->setText(QString::fromStdString(*m_Entries[i].caption));
    SettingPageContainer::sub_RefreshLanguage();
}

void SettingPageGroup::sub_RefreshForm()
{
    sub_UpdateEnabled();
    SettingPageContainer::sub_RefreshForm();
}

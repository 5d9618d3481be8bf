#include "settings/SettingPageGroup.h"

#include "core/mdlSettings.h"

#include "settings/OptionRow.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QStackedLayout>

SettingPageGroup::SettingPageGroup(int group, std::vector<SettingEntry> entries, QWidget* parent)
    : SettingPageContainer(parent), m_Group(group), m_Entries(std::move(entries))
{
    std::vector<OptionPage> pages;
    for (const SettingEntry& entry : m_Entries)
        pages.push_back({entry.name, entry.create});
    m_Row = AddOptionRow("optMenu", pages);
    connect(m_Row.group, &QButtonGroup::idClicked, this, [this](int index) { optMenu_Click(index); });
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
        m_Row.buttons[static_cast<std::size_t>(i)]->setEnabled(enabled);
        Page(i)->setEnabled(enabled);
    }
}

void SettingPageGroup::sub_Enter(bool returning)
{
    sub_UpdateEnabled();
    // Unchecking needs the buttons out of their exclusive group for a moment.
    m_Row.group->setExclusive(false);
    for (QRadioButton* button : m_Row.buttons)
        button->setChecked(false);
    m_Row.group->setExclusive(true);
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
    m_Row.buttons[static_cast<std::size_t>(index)]->setChecked(true);
    m_Row.stack->setCurrentWidget(page);
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
        m_Row.buttons[i]->setText(QString::fromStdString(*m_Entries[i].caption));
    SettingPageContainer::sub_RefreshLanguage();
}

void SettingPageGroup::sub_RefreshForm()
{
    sub_UpdateEnabled();
    SettingPageContainer::sub_RefreshForm();
}

#include "settings/SettingPageContainer.h"

SettingPage* SettingPageContainer::Page(int index) const
{
    return index >= 0 && index < PageCount() ? m_Pages[static_cast<std::size_t>(index)] : nullptr;
}

void SettingPageContainer::Forward(void (SettingPage::*operation)())
{
    for (SettingPage* page : m_Pages)
        (page->*operation)();
}

void SettingPageContainer::sub_LoadData()
{
    Forward(&SettingPage::sub_LoadData);
}

void SettingPageContainer::sub_SaveData()
{
    Forward(&SettingPage::sub_SaveData);
}

void SettingPageContainer::sub_RefreshLanguage()
{
    Forward(&SettingPage::sub_RefreshLanguage);
}

void SettingPageContainer::sub_RefreshForm()
{
    Forward(&SettingPage::sub_RefreshForm);
}

void SettingPageContainer::sub_SaveINI()
{
    Forward(&SettingPage::sub_SaveINI);
}

void SettingPageContainer::sub_RefreshUserName()
{
    Forward(&SettingPage::sub_RefreshUserName);
}

void SettingPageContainer::sub_FrmPosChanged()
{
    Forward(&SettingPage::sub_FrmPosChanged);
}

OptionRow SettingPageContainer::AddOptionRow(const char* prefix, const std::vector<OptionPage>& pages)
{
    OptionRow row = func_OptionRow(*this, prefix, pages);
    for (SettingPage* page : row.pages)
        AddPage(page);
    return row;
}

#pragma once

#include "settings/OptionRow.h"
#include "settings/SettingPage.h"

#include <vector>

// A page that holds sub-pages and forwards every operation to all of them,
// in the order they were added.
class SettingPageContainer : public SettingPage {
public:
    using SettingPage::SettingPage;

    int PageCount() const { return static_cast<int>(m_Pages.size()); }
    // Sub-page `index`; null outside.
    SettingPage* Page(int index) const;

    void sub_LoadData() override;
    void sub_SaveData() override;
    void sub_RefreshLanguage() override;
    void sub_RefreshForm() override;
    void sub_SaveINI() override;
    void sub_RefreshUserName() override;
    void sub_FrmPosChanged() override;

protected:
    void AddPage(SettingPage* page) { m_Pages.push_back(page); }
    // Lays out a row of option buttons over its pages (OptionRow.h) and holds the pages.
    OptionRow AddOptionRow(const char* prefix, const std::vector<OptionPage>& pages);

private:
    void Forward(void (SettingPage::*operation)());

    std::vector<SettingPage*> m_Pages;
};

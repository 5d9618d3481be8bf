#pragma once

#include "settings/SettingPageContainer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// One sub-page of a page group: its object name, the language text of its
// option button, when that button is enabled (always when empty) and how the
// page is made (with its parent, so that it never changes parents: a move
// would send every control a change of the inherited font).
struct SettingEntry {
    const char* name;
    const std::string* caption;
    std::function<bool()> enabled;
    std::function<SettingPage*(QWidget* parent)> create;
};

// A page of the settings dialog that holds sub-pages behind a row of option
// buttons (optMenu0, optMenu1, ...), and remembers the sub-page last shown
// in the settings variable of its group ("DefaultGUI").
class SettingPageGroup : public SettingPageContainer {
public:
    SettingPageGroup(int group, std::vector<SettingEntry> entries, QWidget* parent = nullptr);
    ~SettingPageGroup() override;

    int Group() const { return m_Group; }
    // The sub-page shown, -1 before the first.
    int CurrentIndex() const { return m_Current; }

    // The dialog shows this group: all option buttons off, then the
    // remembered sub-page when the group was the one shown last (`returning`),
    // else the first. A disabled choice gives way to the first enabled one.
    void sub_Enter(bool returning);
    // Hides the sub-page shown, shows page `index`, loads it and remembers it.
    virtual void optMenu_Click(int index);

    // The option buttons' enabling follows the devices, then the pages.
    void sub_LoadData() override;
    void sub_RefreshLanguage() override;
    void sub_RefreshForm() override;

protected:
    // The option button whose sub-page a remembered number shows; a group
    // whose sub-pages have pages of their own remembers more than the button.
    virtual int func_MenuEntry(int remembered) const { return remembered; }
    // Makes sub-page `index` the one shown and sets its option button.
    SettingPage* sub_ShowEntry(int index);

private:
    void sub_UpdateEnabled();
    bool IsEnabled(int index) const;

    int m_Group;
    std::vector<SettingEntry> m_Entries;
    OptionRow m_Row;
    int m_Current = -1;
};

#pragma once

#include "core/TextTable.h"
#include "settings/SettingPagePair.h"

#include <array>

class KeyAssignmentRow;
class QLabel;

// The sixteen keyboard keys that run pad functions while the pad is active,
// on two sub-pages of eight rows. The function names of the observation
// modes carry the modes' current names.
class KeyShortcutKeyCtl : public SettingPagePair {
public:
    explicit KeyShortcutKeyCtl(QWidget* parent = nullptr);

    // The function table as the rows show it.
    const TextTable& Table() const { return m_Table; }

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;
    void sub_RefreshUserName() override;

private:
    void sub_NameModes();

    TextTable m_Table;
};

// Eight rows of the keyboard page: keys first .. first + 7.
class KeyShortcutRows : public SettingPage {
public:
    static constexpr int RowCount = 8;

    KeyShortcutRows(const TextTable& table, int first, QWidget* parent = nullptr);

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;
    void sub_RefreshUserName() override;
    // Into the program's shortcut table, which the pad uses at once.
    void sub_SaveINI() override;

private:
    int m_First;
    QLabel* lblDevice;
    QLabel* lblFunction;
    std::array<KeyAssignmentRow*, RowCount> m_Rows{};
};

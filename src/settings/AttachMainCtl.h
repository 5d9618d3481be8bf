#pragma once

#include "settings/SettingPageGroup.h"

#include <array>

class AttachViews;

// The Attach group of the settings dialog: which optics are mounted on which
// position, and the user entries of the model databases. Its five menu
// entries (nosepiece, condenser, filter turrets, excitation and barrier
// wheels) each hold an attach page and a database page; the filter entry has
// a page for the second turret as well. A menu entry shows its database page
// again as long as the operator left it by the menu, until the attach view
// is chosen; the page last shown is remembered as its number below.
class AttachMainCtl : public SettingPageGroup {
public:
    enum PageNumber {
        Objective, Condenser, Filter1, EXFilter, BAFilter,
        DBObjective, DBCondenser, DBFilter, DBEXFilter, DBBAFilter,
        Filter2,
    };
    static constexpr int kEntries = 5;

    AttachMainCtl(std::vector<SettingEntry> entries, QWidget* parent = nullptr);

    // A menu click (entry 0..4) or a view button (any page number): shows
    // the page and loads it.
    void optMenu_Click(int page) override;
    void optMenu_MouseDown(int page) { optMenu_Click(page); }

    // The number of the page shown, -1 before the first.
    int CurrentPage() const { return m_Page; }
    SettingPage* PageWidget(int page) const;

protected:
    int func_MenuEntry(int page) const override;

private:
    static bool IsDatabasePage(int page);
    AttachViews* Views(int entry) const;

    // Per menu entry: its database page was the last shown.
    std::array<bool, kEntries> m_DatabaseView{};
    int m_Page = -1;
};

#pragma once

#include <functional>
#include <vector>

class QButtonGroup;
class QRadioButton;
class QStackedLayout;
class QWidget;
class SettingPage;

// A page of the row: its object name and how it is made.
struct OptionPage {
    const char* name;
    std::function<SettingPage*(QWidget* parent)> create;
};

// A row of option buttons above a stack of pages, one button per page, with
// a rule between them: the frame of the settings page groups and of the
// Attach entries' views. The pages are made after the buttons, so that Tab
// reaches the buttons first.
struct OptionRow {
    QButtonGroup* group;
    std::vector<QRadioButton*> buttons;
    std::vector<SettingPage*> pages;
    QStackedLayout* stack;
};

// Lays the row out in `owner`, the buttons named prefix0, prefix1, ...; a
// single page needs no row.
OptionRow func_OptionRow(QWidget& owner, const char* prefix, const std::vector<OptionPage>& pages);

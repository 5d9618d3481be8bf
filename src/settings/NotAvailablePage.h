#pragma once

#include "settings/SettingPage.h"

class QLabel;

// Stands in for a page that this version of the program does not have yet;
// it says so and edits nothing.
class NotAvailablePage : public SettingPage {
public:
    explicit NotAvailablePage(QWidget* parent = nullptr);

    void sub_RefreshLanguage() override;

private:
    QLabel* lblNotAvailable;
};

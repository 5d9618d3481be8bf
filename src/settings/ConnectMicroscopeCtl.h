#pragma once

#include "settings/SettingPage.h"

class QComboBox;
class QLabel;

// The microscope the program works with: cboMicroscope lists the real
// microscopes the SDK offers (those it cannot open greyed, and the simulated
// one while it is in use). Choosing another
// one than the microscope in use asks question 112; Yes drops every unsent
// edit and restarts the connection with the chosen microscope at once.
class ConnectMicroscopeCtl : public SettingPage {
public:
    explicit ConnectMicroscopeCtl(QWidget* parent = nullptr);

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;

private:
    void cboMicroscope_Click(int row);
    // Selects the microscope in use; none when it is not in the list.
    void sub_SelectInUse();

    QLabel* lblConnectMicroscope;
    QComboBox* cboMicroscope;
};

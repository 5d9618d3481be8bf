#pragma once

#include "settings/SettingPage.h"

class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;

// The order of the two filter turrets in their mount: Frame1 stands for
// turret 1 and Frame2 for turret 2, one on the upper and one on the lower
// level; chkFlChange exchanges them. Turret 1 is on the upper level while
// the filter accessory's FilterPosition is True.
class ConnectFLTurretCtl : public SettingPage {
public:
    explicit ConnectFLTurretCtl(QWidget* parent = nullptr);

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;
    void sub_RefreshForm() override { sub_LoadData(); }

    void chkFlChange_Click();

private:
    // Turret 1 on the upper level (FilterPosition True) or the lower one.
    void sub_PlaceFrames(bool firstOnTop);

    QGridLayout* m_Grid;
    QLabel* lblFlTop;
    QLabel* lblFlBottom;
    QFrame* Frame1;
    QFrame* Frame2;
    QLabel* lblTurret1;
    QLabel* lblTurret2;
    QPushButton* chkFlChange;
};

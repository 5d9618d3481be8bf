#pragma once

#include "settings/SettingPage.h"

#include <array>
#include <memory>

class KeyAssignmentRow;
class QCheckBox;
class QComboBox;
class QLabel;

// The keys of the ergonomic controller: six fixed keys, two switchable keys
// with an A and a B function, and whether its A/B switch is enabled. Every
// choice goes into the model's working copy at once.
class KeyErgoControlCtl : public SettingPage {
public:
    static constexpr int KeyCount = 6;
    static constexpr int SwitchableCount = 2;

    explicit KeyErgoControlCtl(QWidget* parent = nullptr);
    ~KeyErgoControlCtl() override;

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;

    void cboErgoAB_Click(int key);
    void chkDeviceCbo_Click();

private:
    void sub_FillAB();
    void sub_EnableLists();

    QLabel* lblDevice;
    QLabel* lblFunction;
    std::array<KeyAssignmentRow*, KeyCount> m_Rows{};
    std::array<QLabel*, SwitchableCount> lblKeyAB{};
    std::array<QComboBox*, SwitchableCount> cboErgoAB{};
    QCheckBox* chkDeviceCbo;
};

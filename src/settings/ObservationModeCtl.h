#pragma once

#include "settings/SettingPage.h"

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SettingCheckBox;
class SettingPagePair;

// The eight observation modes: a slot button optUser<s> per mode (its name,
// or the unnamed caption), the name field txtName, and one check box
// chkMode<j> with its caption button btnMode<j> per device item, on two
// frames fraMode0 and fraMode1 that btnPage swaps. Items of devices the
// microscope lacks are hidden.
//
// Ticking an item records the device's current state in the mode; naming a
// mode records the current state of every item it has ticked. The first
// filter block and the analyzer never belong to the same mode (message 84).
class ObservationModeCtl : public SettingPage {
public:
    static constexpr int SlotCount = 8;
    static constexpr int ItemCount = 17;

    explicit ObservationModeCtl(QWidget* parent = nullptr);

    // The slot shown.
    int Slot() const { return m_Slot; }

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;
    // The slot captions and the slot shown, from the model's names.
    void sub_RefreshUserName() override;
    // Which items the microscope has.
    void sub_RefreshForm() override;

    void optUser_Click(int slot);
    // A box changed by the user (released over it, or its caption pressed).
    void chkMode_Click(int item);
    // The name field is left or Enter pressed in it; False keeps the focus.
    bool txtName_Validate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sub_ShowSlot();
    void sub_CaptionSlots();
    // The box's state into the slot's flag: a ticked box records the
    // device's state now.
    void sub_StoreItem(int item);

    int m_Slot = 0;
    QButtonGroup* m_Slots;
    std::array<QRadioButton*, SlotCount> optUser{};
    QLabel* lblProfileName;
    QLineEdit* txtName;
    SettingPagePair* m_Frames;
    std::array<SettingCheckBox*, ItemCount> chkMode{};
    std::array<QPushButton*, ItemCount> btnMode{};
};

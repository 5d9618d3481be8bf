#pragma once

#include "settings/SettingPage.h"

#include <string>

#include <cstdint>

class SettingCheckBox;

// A setting switched on or off with one check box (the ALF mode, the
// rotation stopper, the piezo stage's connection). A click stores the box's
// state in the model's working copy at once.
class ModeSwitchCtl : public SettingPage {
public:
    // How the page reaches the setting in the model: 1 on, 0 off (a box
    // shows ticked only for 1).
    struct Mode {
        int32_t (*get)();
        void (*set)(int32_t);
    };
    // `box` names the check box, `caption` is its language text.
    ModeSwitchCtl(Mode mode, const char* box, const std::string* caption, QWidget* parent = nullptr);

    void sub_LoadData() override;
    void sub_RefreshLanguage() override;
    // The pad re-read the setting after the microscope reported a change.
    void sub_RefreshForm() override { sub_LoadData(); }

private:
    Mode m_Mode;
    const std::string* m_Caption;
    SettingCheckBox* m_Box;
};

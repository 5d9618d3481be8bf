#pragma once

// What the settings dialog asks of the window that opened it (the control
// pad), so that the dialog does not depend on the pad.
class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    // After Apply and OK: re-read the devices whose configuration changed and
    // re-apply visibility and layout.
    virtual void sub_ReadStatus() = 0;
    // Whether the next layout application centres the pad on the screen.
    virtual void SetLayoutCentring(bool centre) = 0;
};

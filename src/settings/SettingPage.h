#pragma once

#include <QWidget>

class SettingsHost;

// One page of the settings dialog, or a container of pages. The dialog and
// the containers only forward these calls; every operation does nothing
// unless a page overrides it, so a page implements just what it needs.
class SettingPage : public QWidget {
public:
    using QWidget::QWidget;

    // Model and settings variables into the controls.
    virtual void sub_LoadData() {}
    // Controls into the model's working copies and the settings variables.
    virtual void sub_SaveData() {}
    // Captions from the language file.
    virtual void sub_RefreshLanguage() {}
    // A device's mounted state or configuration changed while the page shows.
    virtual void sub_RefreshForm() {}
    // Apply and OK: what the settings file keeps.
    virtual void sub_SaveINI() {}
    // The observation modes may have new names.
    virtual void sub_RefreshUserName() {}
    // The dialog closes (or saves a setup file).
    virtual void sub_FrmPosChanged() {}

    // How a field whose value would be rejected lets the focus go: with the
    // pointer over the dialog's Cancel button it does not validate; the
    // dialog asks whether to discard the edits instead (Leave: they were
    // discarded and the dialog is gone, Stay: keep the focus, no message).
    enum class FieldExit { Validate, Leave, Stay };
    FieldExit func_FieldExit();
    // A field's value is refused with message `number`: the message is
    // shown unless the pointer is over Cancel (see func_FieldExit).
    void sub_Refuse(int number);

protected:
    // The window that opened the settings dialog; null outside the dialog.
    SettingsHost* Host() const;
};

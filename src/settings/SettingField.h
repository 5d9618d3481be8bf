#pragma once

#include <QObject>

#include <functional>

class QLineEdit;
class QWidget;
class SettingPage;

// A field of a settings page whose value is checked when the operator
// leaves it: by Tab, by a click on another control of the dialog, or by
// Return. A refused value keeps the focus, and the click or Return that
// would have left the field does nothing. With the pointer over the dialog's
// Cancel button the field does not check; the dialog asks whether to discard
// the edits instead (SettingPage::func_FieldExit, sub_Refuse).
class SettingField : public QObject {
public:
    // `leave` checks the field's value and stores it when it may; it returns
    // false to keep the field (having said why, see SettingPage::sub_Refuse).
    SettingField(QWidget& field, std::function<bool()> leave);
    // A text field: `accept` stores a valid text and returns false for one it
    // refuses, which message `message` then names.
    SettingField(SettingPage& page, QLineEdit& field, int message, std::function<bool()> accept);

    // What leaving the field does: true when the focus may go.
    bool func_Leave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_Field;
    std::function<bool()> m_Leave;
    bool m_Leaving = false;
    // The click that took the focus from a refused field must not act.
    bool m_SwallowClick = false;
};

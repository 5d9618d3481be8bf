#pragma once

#include <QObject>

#include <functional>

class QLineEdit;
class SettingPage;

// A text field of a settings page whose value is checked when the operator
// leaves it: by Tab, by a click on another control of the dialog, or by
// Return. A refused value shows the page's message and keeps the focus, and
// the click or Return that would have left the field does nothing. With the
// pointer over the dialog's Cancel button the field does not check; the
// dialog asks whether to discard the edits instead (SettingPage::func_FieldExit).
class SettingField : public QObject {
public:
    // `accept` checks the field's text and, when it is valid, stores it; it
    // returns false for a text it refuses (and then stores nothing).
    SettingField(SettingPage& page, QLineEdit& field, int message, std::function<bool()> accept);

    // What leaving the field does: true when the focus may go.
    bool func_Leave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SettingPage& m_Page;
    QLineEdit& m_Field;
    int m_Message;
    std::function<bool()> m_Accept;
    bool m_Leaving = false;
    // The click that took the focus from a refused field must not act.
    bool m_SwallowClick = false;
};

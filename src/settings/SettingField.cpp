#include "settings/SettingField.h"

#include "core/FlagScope.h"
#include "settings/SettingPage.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

SettingField::SettingField(QWidget& field, std::function<bool()> leave)
    : QObject(&field), m_Field(field), m_Leave(std::move(leave))
{
    field.installEventFilter(this);
}

SettingField::SettingField(SettingPage& page, QLineEdit& field, int message, std::function<bool()> accept)
    : SettingField(field, [&page, message, accept = std::move(accept)] {
          if (accept())
              return true;
          page.sub_Refuse(message);
          return false;
      })
{
}

bool SettingField::func_Leave()
{
    // The message box of a refusal takes the focus too.
    if (m_Leaving)
        return true;
    const FlagScope leaving(m_Leaving);
    if (m_Leave())
        return true;
    // Unless the edits were discarded and the dialog is gone.
    if (m_Field.window()->isVisible())
        m_Field.setFocus(Qt::OtherFocusReason);
    return false;
}

bool SettingField::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusOut: {
        if (watched != &m_Field)
            break;
        // A window that comes to the front (the message box) or a menu takes the focus for a moment only.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        // Qt moves the focus before the click reaches the control clicked.
        if (!func_Leave() && reason == Qt::MouseFocusReason && !m_SwallowClick) {
            m_SwallowClick = true;
            qApp->installEventFilter(this);
        }
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == &m_Field && (key == Qt::Key_Return || key == Qt::Key_Enter))
            return !func_Leave();
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_SwallowClick) {
            m_SwallowClick = false;
            qApp->removeEventFilter(this);
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

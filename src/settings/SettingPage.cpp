#include "settings/SettingPage.h"

#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "settings/frmSettingMain.h"

#include <QFocusEvent>
#include <QPointer>
#include <QTimer>

namespace {

// Set on the dialog while a refused field takes the focus back, so that the
// control the focus was on meanwhile is not validated for losing it.
constexpr const char* kRefocusing = "zoRefocusing";

class LeaveFilter : public QObject {
public:
    LeaveFilter(QWidget* field, std::function<bool()> validate) : QObject(field), m_Validate(std::move(validate)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusOut)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* field = static_cast<QWidget*>(watched);
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
            field->window()->property(kRefocusing).toBool())
            return false;
        if (m_Validate())
            return false;
        // The focus is on its way elsewhere; it comes back once it got there.
        QTimer::singleShot(0, field, [field = QPointer<QWidget>(field)] {
            if (!field || !field->isVisible())
                return;
            QWidget* window = field->window();
            window->setProperty(kRefocusing, true);
            field->setFocus(Qt::OtherFocusReason);
            window->setProperty(kRefocusing, false);
        });
        return false;
    }

private:
    std::function<bool()> m_Validate;
};

} // namespace

SettingPage::FieldExit SettingPage::func_FieldExit()
{
    auto* dialog = qobject_cast<frmSettingMain*>(window());
    if (!g_MouseOverCancel || !dialog)
        return FieldExit::Validate;
    return dialog->CancelProcess() ? FieldExit::Leave : FieldExit::Stay;
}

std::optional<bool> SettingPage::func_CancelInstead()
{
    switch (func_FieldExit()) {
    case FieldExit::Leave:
        return true;
    case FieldExit::Stay:
        return false;
    case FieldExit::Validate:
        break;
    }
    return std::nullopt;
}

bool SettingPage::func_Refuse(int number)
{
    if (const std::optional<bool> leave = func_CancelInstead())
        return *leave;
    func_ShowMessage(number, "", UiServices::MB_OK);
    return false;
}

void SettingPage::sub_ValidateOnLeave(QWidget* field, std::function<bool()> validate)
{
    field->installEventFilter(new LeaveFilter(field, std::move(validate)));
}

SettingsHost* SettingPage::Host() const
{
    auto* dialog = qobject_cast<frmSettingMain*>(window());
    return dialog ? dialog->Host() : nullptr;
}

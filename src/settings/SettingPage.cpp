#include "settings/SettingPage.h"

#include "settings/frmSettingMain.h"

SettingPage::FieldExit SettingPage::func_FieldExit()
{
    auto* dialog = qobject_cast<frmSettingMain*>(window());
    if (!g_MouseOverCancel || !dialog)
        return FieldExit::Validate;
    return dialog->CancelProcess() ? FieldExit::Leave : FieldExit::Stay;
}

SettingsHost* SettingPage::Host() const
{
    auto* dialog = qobject_cast<frmSettingMain*>(window());
    return dialog ? dialog->Host() : nullptr;
}

#include "settings/SettingPage.h"

#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "settings/frmSettingMain.h"

SettingPage::FieldExit SettingPage::func_FieldExit()
{
    auto* dialog = qobject_cast<frmSettingMain*>(window());
    if (!g_MouseOverCancel || !dialog)
        return FieldExit::Validate;
    return dialog->CancelProcess() ? FieldExit::Leave : FieldExit::Stay;
}

void SettingPage::sub_Refuse(int number)
{
    if (func_FieldExit() == FieldExit::Validate)
        func_ShowMessage(number, "", UiServices::MB_OK);
}

SettingsHost* SettingPage::Host() const
{
    auto* dialog = qobject_cast<frmSettingMain*>(window());
    return dialog ? dialog->Host() : nullptr;
}

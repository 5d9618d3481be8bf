#include "settings/frmSettingMain.h"

#include "core/mdlLanguage.h"

frmSettingMain::frmSettingMain(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmSettingMain");
    setModal(true);
    resize(640, 480);
    sub_RefreshLanguage();
}

void frmSettingMain::sub_RefreshLanguage()
{
    setWindowTitle(QString::fromStdString(g_LangGUITitle.SettingMain));
}

void frmSettingMain::sub_RefreshForm()
{
    if (m_IsRefreshLocked)
        return;
    ++m_Refreshes;
}

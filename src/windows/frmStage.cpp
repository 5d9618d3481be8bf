#include "windows/frmStage.h"

#include "core/mdlLanguage.h"

frmStage::frmStage(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmStage");
    // 4200 twips high with the maps hidden.
    resize(360, 280);
    sub_RefreshLanguage();
}

void frmStage::sub_RefreshLanguage()
{
    setWindowTitle(QString::fromStdString(g_LangGUITitle.StageXYZ));
}

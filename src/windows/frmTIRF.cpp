#include "windows/frmTIRF.h"

#include "core/mdlLanguage.h"

frmTIRF::frmTIRF(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmTIRF");
    resize(220, 320);
    sub_RefreshLanguage();
}

void frmTIRF::sub_RefreshLanguage()
{
    setWindowTitle(QString::fromStdString(g_LangGUITitle.TIRF));
}

void frmTIRF::sub_SetMemory() {}

#include "settings/NotAvailablePage.h"

#include "core/mdlLanguage.h"

#include <QLabel>
#include <QVBoxLayout>

NotAvailablePage::NotAvailablePage(QWidget* parent) : SettingPage(parent)
{
    lblNotAvailable = new QLabel(this);
    lblNotAvailable->setObjectName("lblNotAvailable");
    lblNotAvailable->setAlignment(Qt::AlignCenter);
    lblNotAvailable->setWordWrap(true);
    lblNotAvailable->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNotAvailable);
}

void NotAvailablePage::sub_RefreshLanguage()
{
    lblNotAvailable->setText(QString::fromStdString(g_LangFrmSetting.LblNotAvailable));
}

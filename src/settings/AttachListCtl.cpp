#include "settings/AttachListCtl.h"

#include "core/FlagScope.h"
#include "model/clsNameDatabase.h"
#include "model/clsPositionCodes.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

AttachListCtl::AttachListCtl(const Setting& setting, QWidget* parent)
    : AttachPortCtl(setting.device, setting.codes, parent), m_Setting(setting)
{
    lblModel = new QLabel(this);
    lblModel->setObjectName("lblModel");
    lstModel = new QListWidget(this);
    lstModel->setObjectName("lstModel");
    lblModel->setBuddy(lstModel);
    Body()->addWidget(lblModel);
    Body()->addWidget(lstModel, 1);
    connect(lstModel, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_Updating)
            lstModel_Click(row);
    });
}

void AttachListCtl::sub_LoadData()
{
    {
        const FlagScope updating(m_Updating);
        lstModel->clear();
        auto* none = new QListWidgetItem(NoModelText(), lstModel);
        none->setData(Qt::UserRole, 0);
        const clsNameDatabase& database = m_Setting.database();
        for (int32_t code = 1; code <= database.LastCode(); ++code) {
            const std::string name = database.Name(code);
            if (name.empty())
                continue;
            auto* item = new QListWidgetItem(QString::fromStdString(name), lstModel);
            item->setData(Qt::UserRole, code);
        }
    }
    sub_LoadPositions();
}

void AttachListCtl::sub_ShowPosition()
{
    const int32_t code = Codes().code(Position());
    const FlagScope updating(m_Updating);
    lstModel->setCurrentRow(-1);
    for (int row = 0; row < lstModel->count(); ++row)
        if (lstModel->item(row)->data(Qt::UserRole).toInt() == code)
            lstModel->setCurrentRow(row);
}

void AttachListCtl::lstModel_Click(int row)
{
    if (QListWidgetItem* item = lstModel->item(row))
        Codes().SetCode(Position(), item->data(Qt::UserRole).toInt());
}

void AttachListCtl::sub_RefreshLanguage()
{
    AttachPortCtl::sub_RefreshLanguage();
    lblModel->setText(QString::fromStdString(*m_Setting.caption));
}

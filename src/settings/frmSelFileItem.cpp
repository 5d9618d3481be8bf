#include "settings/frmSelFileItem.h"

#include "core/mdlLanguage.h"
#include "model/clsZo.h"
#include "widgets/ApplyFont.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The caption of file item i: the language list holds the number of items
// first, then one caption per item.
QString ItemCaption(int item)
{
    return QString::fromStdString(g_LangFrmSelFileItem.FileItem[static_cast<std::size_t>(item) + 1]);
}

} // namespace

frmSelFileItem::frmSelFileItem(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmSelFileItem");
    setModal(true);
    lstFile = new QListWidget(this);
    lstFile->setObjectName("lstFile");
    btnOk = new QPushButton(this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = new QPushButton(this);
    btnCancel->setObjectName("btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstFile);
    layout->addLayout(buttons);

    for (int item = 0; item < clsZo::FileItemCount; ++item) {
        if (!g_Zo->FileItem(item))
            continue;
        auto* row = new QListWidgetItem(ItemCaption(item), lstFile);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Checked);
        m_RowItem.push_back(item);
    }
    lstFile->setCurrentRow(0);
    connect(lstFile, &QListWidget::itemChanged, this, [this](QListWidgetItem* row) { lstFile_ItemCheck(lstFile->row(row)); });
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &frmSelFileItem::reject);
    sub_ApplyFont(this, g_Font);
    sub_RefreshLanguage();
    resize(320, 380);
}

void frmSelFileItem::sub_RefreshLanguage()
{
    setWindowTitle(QString::fromStdString(g_LangGUITitle.SelFileItem));
    btnOk->setText(QString::fromStdString(g_LangFrmSelFileItem.LblOK));
    btnCancel->setText(QString::fromStdString(g_LangFrmSelFileItem.LblCancel));
    for (int row = 0; row < lstFile->count(); ++row)
        lstFile->item(row)->setText(ItemCaption(m_RowItem[static_cast<std::size_t>(row)]));
}

void frmSelFileItem::lstFile_ItemCheck(int row)
{
    if (row < 0 || row >= static_cast<int>(m_RowItem.size()))
        return;
    g_Zo->SetFileItem(m_RowItem[static_cast<std::size_t>(row)], lstFile->item(row)->checkState() == Qt::Checked);
}

void frmSelFileItem::reject()
{
    for (int item = 0; item < clsZo::FileItemCount; ++item)
        g_Zo->SetFileItem(item, false);
    QDialog::reject();
}

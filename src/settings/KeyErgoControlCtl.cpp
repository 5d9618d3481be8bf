#include "settings/KeyErgoControlCtl.h"

#include "core/NumberText.h"
#include "core/mdlLanguage.h"
#include "model/clsErgoKey.h"
#include "model/clsZo.h"
#include "settings/KeyAssignmentRow.h"
#include "widgets/QText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace {

// Columns of the A/B table: A code, B code, the name shown.
constexpr std::size_t kCodeA = 1, kCodeB = 2, kName = 3;

int32_t Code(const std::string& text)
{
    const std::optional<double> code = zo::ParseNumber(text);
    return code ? static_cast<int32_t>(*code) : 0;
}

} // namespace

KeyErgoControlCtl::KeyErgoControlCtl(QWidget* parent) : SettingPage(parent)
{
    auto* grid = new QGridLayout(this);
    KeyAssignmentRow::sub_AddHeadings(*grid, this, lblDevice, lblFunction);
    for (int k = 0; k < KeyCount; ++k) {
        auto* row = new KeyAssignmentRow(g_KeyErgoList, k, *grid, k + 1, QString("lblKey%1").arg(k), this);
        row->StoreCode = [k](int32_t code) { g_Zo->ErgoKey->SetKey(k, code); };
        m_Rows[static_cast<std::size_t>(k)] = row;
    }
    for (int i = 0; i < SwitchableCount; ++i) {
        auto& label = lblKeyAB[static_cast<std::size_t>(i)];
        auto& list = cboErgoAB[static_cast<std::size_t>(i)];
        label = new QLabel(this);
        label->setObjectName(QString("lblKeyAB%1").arg(i));
        list = new QComboBox(this);
        list->setObjectName(QString("cboErgoAB%1").arg(i));
        grid->addWidget(label, KeyCount + 1 + i, 0);
        grid->addWidget(list, KeyCount + 1 + i, 1, 1, 2);
        connect(list, qOverload<int>(&QComboBox::activated), this, [this, i] { cboErgoAB_Click(i); });
    }
    chkDeviceCbo = new QCheckBox(this);
    chkDeviceCbo->setObjectName("chkDeviceCbo");
    grid->addWidget(chkDeviceCbo, KeyCount + SwitchableCount + 1, 0, 1, 3);
    grid->setRowStretch(KeyCount + SwitchableCount + 2, 1);
    connect(chkDeviceCbo, &QCheckBox::clicked, this, &KeyErgoControlCtl::chkDeviceCbo_Click);
}

KeyErgoControlCtl::~KeyErgoControlCtl() = default;

void KeyErgoControlCtl::sub_FillAB()
{
    for (QComboBox* list : cboErgoAB) {
        list->clear();
        for (std::size_t row = 0; row < g_KeyErgoABList.Rows(); ++row)
            if (!g_KeyErgoABList.Cell(row, kName).empty())
                list->addItem(Q(g_KeyErgoABList.Cell(row, kName)));
    }
}

void KeyErgoControlCtl::sub_LoadData()
{
    const clsErgoKey& keys = *g_Zo->ErgoKey;
    for (int k = 0; k < KeyCount; ++k)
        m_Rows[static_cast<std::size_t>(k)]->sub_Load(keys.Key(k));
    sub_FillAB();
    for (int i = 0; i < SwitchableCount; ++i) {
        // The row whose A and B codes the key holds; none, no selection.
        const std::string a = std::to_string(keys.KeyAB(i, clsErgoKey::RowA));
        const std::string b = std::to_string(keys.KeyAB(i, clsErgoKey::RowB));
        int shown = -1;
        for (std::size_t row = 0; row < g_KeyErgoABList.Rows() && shown < 0; ++row)
            if (g_KeyErgoABList.Cell(row, kCodeA) == a && g_KeyErgoABList.Cell(row, kCodeB) == b)
                shown = cboErgoAB[static_cast<std::size_t>(i)]->findText(Q(g_KeyErgoABList.Cell(row, kName)));
        cboErgoAB[static_cast<std::size_t>(i)]->setCurrentIndex(shown);
    }
    chkDeviceCbo->setChecked(keys.IsSwitchEnable());
    sub_EnableLists();
}

void KeyErgoControlCtl::cboErgoAB_Click(int key)
{
    const std::string name = cboErgoAB[static_cast<std::size_t>(key)]->currentText().toStdString();
    for (std::size_t row = 0; row < g_KeyErgoABList.Rows(); ++row) {
        if (g_KeyErgoABList.Cell(row, kName) != name)
            continue;
        g_Zo->ErgoKey->SetKeyAB(key, clsErgoKey::RowA, Code(g_KeyErgoABList.Cell(row, kCodeA)));
        g_Zo->ErgoKey->SetKeyAB(key, clsErgoKey::RowB, Code(g_KeyErgoABList.Cell(row, kCodeB)));
        return;
    }
}

void KeyErgoControlCtl::chkDeviceCbo_Click()
{
    g_Zo->ErgoKey->SetIsSwitchEnable(chkDeviceCbo->isChecked());
    sub_EnableLists();
}

void KeyErgoControlCtl::sub_EnableLists()
{
    const bool enabled = chkDeviceCbo->isChecked();
    for (KeyAssignmentRow* row : m_Rows)
        row->setEnabled(enabled);
    for (QComboBox* list : cboErgoAB)
        list->setEnabled(enabled);
}

void KeyErgoControlCtl::sub_RefreshLanguage()
{
    const auto& texts = g_LangKeyErgoControlCtl;
    lblDevice->setText(Q(texts.LblDevice));
    lblFunction->setText(Q(texts.LblFunction));
    for (std::size_t k = 0; k < m_Rows.size(); ++k)
        m_Rows[k]->label->setText(Q(texts.LblKey[k]));
    for (std::size_t i = 0; i < lblKeyAB.size(); ++i)
        lblKeyAB[i]->setText(Q(texts.LblKeyAB[i]));
    chkDeviceCbo->setText(Q(texts.ChkDeviceCbo));
    for (KeyAssignmentRow* row : m_Rows)
        row->sub_Refill();
    const int a = cboErgoAB[0]->currentIndex(), b = cboErgoAB[1]->currentIndex();
    sub_FillAB();
    cboErgoAB[0]->setCurrentIndex(a);
    cboErgoAB[1]->setCurrentIndex(b);
}

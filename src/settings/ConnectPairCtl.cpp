#include "settings/ConnectPairCtl.h"

#include "core/NumberText.h"
#include "settings/SettingField.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>
#include <optional>

namespace {

constexpr int kSameUse = 67;

// Fills a list from a language list; the entries keep their selection.
void Fill(QComboBox* list, std::span<const std::string> names)
{
    const int chosen = list->currentIndex();
    list->clear();
    if (names.empty())
        return;
    const std::optional<double> highest = zo::ParseNumber(names[0]);
    const int last = std::min(highest ? static_cast<int>(*highest) : 0, static_cast<int>(names.size()) - 2);
    for (int n = 0; n <= last; ++n)
        list->addItem(QString::fromStdString(names[static_cast<std::size_t>(n) + 1]), n);
    list->setCurrentIndex(chosen < list->count() ? chosen : -1);
}

int32_t Chosen(const QComboBox* list)
{
    return list->currentIndex() < 0 ? 0 : list->currentData().toInt();
}

} // namespace

ConnectPairCtl::ConnectPairCtl(Kind kind, Connectors model, Texts texts, QWidget* parent)
    : SettingPage(parent), m_Kind(kind), m_Model(model), m_Texts(texts)
{
    auto* grid = new QGridLayout(this);
    lblBrand = new QLabel(this);
    lblBrand->setObjectName("lblConnectBrand");
    lblType = new QLabel(this);
    lblType->setObjectName("lblConnectType");
    grid->addWidget(lblBrand, 0, 1);
    grid->addWidget(lblType, 0, 2);
    for (int k = 0; k < ConnectorCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        lblConnector[i] = new QLabel(this);
        lblConnector[i]->setObjectName(QString("lblConnector%1").arg(k));
        cboBrand[i] = new QComboBox(this);
        cboBrand[i]->setObjectName(QString("cboBrand%1").arg(k));
        cboType[i] = new QComboBox(this);
        cboType[i]->setObjectName(QString("cboType%1").arg(k));
        lblConnector[i]->setBuddy(cboBrand[i]);
        grid->addWidget(lblConnector[i], k + 1, 0);
        grid->addWidget(cboBrand[i], k + 1, 1);
        grid->addWidget(cboType[i], k + 1, 2);
        connect(cboBrand[i], qOverload<int>(&QComboBox::activated), this, [this, k] { cboBrand_Click(k); });
        connect(cboType[i], qOverload<int>(&QComboBox::activated), this, [this, k] { cboType_Validate(k); });
        new SettingField(*cboType[i], [this, k] { return cboType_Validate(k); });
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(ConnectorCount + 1, 1);
}

void ConnectPairCtl::sub_LoadData()
{
    for (int k = 0; k < ConnectorCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        Fill(cboBrand[i], m_Texts.makers);
        Fill(cboType[i], m_Texts.uses);
        cboBrand[i]->setCurrentIndex(cboBrand[i]->findData(m_Model.maker(k)));
        cboType[i]->setCurrentIndex(cboType[i]->findData(m_Model.use(k)));
    }
    sub_EnableTypes();
}

void ConnectPairCtl::sub_RefreshLanguage()
{
    lblBrand->setText(QString::fromStdString(*m_Texts.brand));
    lblType->setText(QString::fromStdString(*m_Texts.type));
    for (int k = 0; k < ConnectorCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        lblConnector[i]->setText(QString::fromStdString(*m_Texts.connector) + QString(" %1").arg(k + 1));
        Fill(cboBrand[i], m_Texts.makers);
        Fill(cboType[i], m_Texts.uses);
    }
}

void ConnectPairCtl::cboBrand_Click(int k)
{
    const auto i = static_cast<std::size_t>(k);
    m_Model.setMaker(k, Chosen(cboBrand[i]));
    if (m_Kind == Kind::Cameras) {
        // Another make has other types: the choice starts again.
        cboType[i]->setCurrentIndex(cboType[i]->count() > 0 ? 0 : -1);
        cboType_Validate(k);
        sub_EnableTypes();
    }
}

bool ConnectPairCtl::cboType_Validate(int k)
{
    const auto i = static_cast<std::size_t>(k);
    const int32_t use = Chosen(cboType[i]);
    if (m_Kind == Kind::Shutters) {
        // No use (the first entry) never clashes.
        if (use != 0 && use == Chosen(cboType[1 - i])) {
            sub_Refuse(kSameUse);
            return false;
        }
        m_Model.setUse(k, use);
        return true;
    }
    m_Model.setUse(k, m_Model.maker(k) != 0 ? use : 0);
    return true;
}

void ConnectPairCtl::sub_EnableTypes()
{
    // A camera without a make has no type to choose.
    if (m_Kind != Kind::Cameras)
        return;
    for (int k = 0; k < ConnectorCount; ++k)
        cboType[static_cast<std::size_t>(k)]->setEnabled(m_Model.maker(k) != 0);
}

#include "settings/AccessorySwitchCtl.h"

#include "core/mdlGlobals.h"

#include <QCheckBox>
#include <QGridLayout>

const std::array<GUIControlFlag, 13> AccessorySwitchCtl::kFirstPage = {
    gcOBJ, gcPATH, gcSTG, gcFILTER1, gcALF, gcCON, gcSTGXY, gcFILTER2, gcFKS, gcSTGZ, gcEX, gcSTGPIEZO, gcBA};
const std::array<GUIControlFlag, 10> AccessorySwitchCtl::kSecondPage = {
    gcIRLUX, gcDIASHUTTER, gcMODECHG, gcEPI, gcDIALAMP, gcLASER, gcAux, gcANLYZ, gcAOM, gcTIRF};

AccessorySwitchCtl::AccessorySwitchCtl(std::span<const GUIControlFlag> flags, std::span<const std::string> captions,
                                       QWidget* parent)
    : SettingPage(parent), m_Flags(flags), m_Captions(captions)
{
    auto* grid = new QGridLayout(this);
    // Two columns, filled row by row, so Tab follows the reading order.
    constexpr int kColumns = 2;
    for (std::size_t i = 0; i < m_Flags.size(); ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QString("chkAccessory%1").arg(i));
        grid->addWidget(box, static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns);
        connect(box, &QCheckBox::clicked, this, [] { g_LayoutPending = true; });
        chkAccessory.push_back(box);
    }
    grid->setRowStretch(grid->rowCount(), 1);
}

void AccessorySwitchCtl::sub_LoadData()
{
    for (std::size_t i = 0; i < m_Flags.size(); ++i)
        chkAccessory[i]->setChecked(g_GUIControl[m_Flags[i]]);
}

void AccessorySwitchCtl::sub_SaveData()
{
    for (std::size_t i = 0; i < m_Flags.size(); ++i)
        g_GUIControl[m_Flags[i]] = chkAccessory[i]->isChecked();
    sub_ApplyGUIControl();
}

void AccessorySwitchCtl::sub_RefreshLanguage()
{
    for (std::size_t i = 0; i < m_Flags.size() && i < m_Captions.size(); ++i)
        chkAccessory[i]->setText(QString::fromStdString(m_Captions[i]));
}

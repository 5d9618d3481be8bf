#include "settings/AttachPortCtl.h"

#include "core/TrapErrors.h"
#include "core/mdlCommon.h"
#include "core/mdlLanguage.h"
#include "model/clsPositionCodes.h"
#include "model/clsZo.h"
#include "sdk/ZoScope.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

AttachPortCtl::AttachPortCtl(std::function<int()> device, std::function<clsPositionCodes&()> codes, QWidget* parent)
    : SettingPage(parent), m_Device(std::move(device)), m_Codes(std::move(codes))
{
    m_Body = new QVBoxLayout(this);
    m_PortRow = new QHBoxLayout;
    lblSelect = new QLabel(this);
    lblSelect->setObjectName("lblSelect");
    m_PortRow->addWidget(lblSelect);
    m_Ports = new QButtonGroup(this);
    for (int i = 0; i < clsPositionCodes::MaxPositions; ++i) {
        auto* button = new QRadioButton(QString::number(i + 1), this);
        button->setObjectName(QString("optPort%1").arg(i));
        m_Ports->addButton(button, i);
        m_PortRow->addWidget(button);
        optPort.push_back(button);
    }
    m_PortRow->addStretch();
    m_Body->addLayout(m_PortRow);
    connect(m_Ports, &QButtonGroup::idClicked, this, &AttachPortCtl::optPort_Click);
}

QRadioButton* AttachPortCtl::Port(int position) const
{
    return position >= 0 && position < static_cast<int>(optPort.size()) ? optPort[static_cast<std::size_t>(position)]
                                                                        : nullptr;
}

void AttachPortCtl::optPort_Click(int position)
{
    if (position < 0 || position >= Codes().PositionCount())
        return;
    m_Position = position;
    optPort[static_cast<std::size_t>(position)]->setChecked(true);
    sub_ShowPosition();
}

void AttachPortCtl::sub_LoadPositions()
{
    const int count = Codes().PositionCount();
    for (int i = 0; i < static_cast<int>(optPort.size()); ++i)
        optPort[static_cast<std::size_t>(i)]->setVisible(i < count);
    int at = 0;
    TrapErrors([&] {
        auto& turret = dynamic_cast<ZOSCOPELib::TurretDevice&>(g_Zo->Scope->DeviceAt(Device()));
        at = turret.Position()->Value() - 1;
    });
    // A turret on its way between positions reports none.
    optPort_Click(at >= 0 && at < count ? at : 0);
}

void AttachPortCtl::sub_RefreshLanguage()
{
    lblSelect->setText(QString::fromStdString(g_LangAttachObjectiveLensCtl.LblSelect));
}

QString AttachPortCtl::NoModelText()
{
    constexpr int kDashes = 10;
    return QString::fromStdString(func_DashLine(kDashes));
}

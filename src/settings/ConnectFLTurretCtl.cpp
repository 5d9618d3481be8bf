#include "settings/ConnectFLTurretCtl.h"

#include "core/mdlLanguage.h"
#include "model/clsConnectFilter.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kUpperRow = 0, kLowerRow = 1;

QFrame* TurretFrame(const char* name, QLabel*& caption, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setMinimumHeight(56);
    caption = new QLabel(frame);
    caption->setAlignment(Qt::AlignCenter);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(caption);
    return frame;
}

} // namespace

ConnectFLTurretCtl::ConnectFLTurretCtl(QWidget* parent) : SettingPage(parent)
{
    m_Grid = new QGridLayout(this);
    lblFlTop = new QLabel(this);
    lblFlTop->setObjectName("lblFlTop");
    lblFlBottom = new QLabel(this);
    lblFlBottom->setObjectName("lblFlBottom");
    Frame1 = TurretFrame("Frame1", lblTurret1, this);
    Frame2 = TurretFrame("Frame2", lblTurret2, this);
    chkFlChange = new QPushButton(this);
    chkFlChange->setObjectName("chkFlChange");
    chkFlChange->setAutoDefault(false);
    m_Grid->addWidget(lblFlTop, kUpperRow, 0);
    m_Grid->addWidget(lblFlBottom, kLowerRow, 0);
    m_Grid->addWidget(chkFlChange, 2, 1, Qt::AlignLeft);
    m_Grid->setColumnStretch(1, 1);
    m_Grid->setRowStretch(3, 1);
    sub_PlaceFrames(false);
    connect(chkFlChange, &QPushButton::clicked, this, &ConnectFLTurretCtl::chkFlChange_Click);
}

void ConnectFLTurretCtl::sub_PlaceFrames(bool firstOnTop)
{
    m_Grid->addWidget(Frame1, firstOnTop ? kUpperRow : kLowerRow, 1);
    m_Grid->addWidget(Frame2, firstOnTop ? kLowerRow : kUpperRow, 1);
}

void ConnectFLTurretCtl::sub_LoadData()
{
    sub_PlaceFrames(g_Zo->ConnectFilter->FilterPosition());
}

void ConnectFLTurretCtl::chkFlChange_Click()
{
    clsConnectFilter& filter = *g_Zo->ConnectFilter;
    filter.SetFilterPosition(!filter.FilterPosition());
    sub_PlaceFrames(filter.FilterPosition());
}

void ConnectFLTurretCtl::sub_RefreshLanguage()
{
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    lblFlTop->setText(text(g_LangConnectFLTurretCtl.LblFlTop));
    lblFlBottom->setText(text(g_LangConnectFLTurretCtl.LblFlBottom));
    chkFlChange->setText(text(g_LangConnectFLTurretCtl.LblFlChange));
    lblTurret1->setText(text(g_LangDeviceName.DeviceNames[DeviceIndex::FilterTurret1]));
    lblTurret2->setText(text(g_LangDeviceName.DeviceNames[DeviceIndex::FilterTurret2]));
}

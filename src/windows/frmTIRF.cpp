#include "windows/frmTIRF.h"

#include "core/TrapErrors.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"
#include "sdk/ZoScope.h"
#include "widgets/ApplyFont.h"
#include "widgets/Twips.h"
#include "widgets/usrMPButton.h"
#include "windows/MemoryListCtl.h"

#include <QVBoxLayout>

namespace {

constexpr int kWidthTwips = 2415;
constexpr int kHeightTwips = 4500;

// The ERG setting each state of the switch writes.
constexpr int32_t kERGOfStateOn = 0;
constexpr int32_t kERGOfStateOff = 1;

} // namespace

frmTIRF::frmTIRF(PadMemoryHost& host, QWidget* parent) : QWidget(parent, Qt::Window), m_Host(host)
{
    setObjectName("frmTIRF");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_Memories = new MemoryListCtl(host,
                                   {PadMemoryHost::MemTIRF, "TIRF", "picTIRF", &g_LangFrmTIRF.LblTIRF,
                                    {{PadMemoryHost::AxisTIRF, &g_MemTIRF}}, {DeviceIndex::TIRF}, false, true, kWidthTwips},
                                   m_Icons, this);
    layout->addWidget(m_Memories, 1);
    chkERGX = new usrMPButton(this);
    chkERGX->setObjectName("chkERGX");
    chkERGX->setText("ERG");
    chkERGX->setFixedHeight(28);
    layout->addWidget(chkERGX);
    connect(m_Memories, &MemoryListCtl::moveClicked, m_Memories, &MemoryListCtl::func_MovePos);
    connect(chkERGX, &usrMPButton::clicked, this, &frmTIRF::chkERGX_Click);

    sub_ApplyFont(this, g_Font);
    sub_RefreshLanguage();
    chkERGX->setVisible(g_Zo->IsMounted(DeviceIndex::ErgoController) == 1);
    setFixedSize(Twips::ToPixels(kWidthTwips) + 12, Twips::ToPixels(kHeightTwips));
}

void frmTIRF::sub_RefreshLanguage()
{
    setWindowTitle(QString::fromStdString(g_LangGUITitle.TIRF));
    m_Memories->sub_RefreshLanguage();
}

void frmTIRF::sub_SetMemory()
{
    m_Memories->sub_SetMemory();
}

void frmTIRF::chkERGX_Click()
{
    // The button shows what the unit reports, also when the write changed
    // nothing or failed (and what it showed before when the unit cannot say).
    const int before = chkERGX->state() == 1 ? 2 : 1;
    const auto show = [this, before] {
        chkERGX->setState(before);
        chkERGX->setState(g_Zo->Scope->TIRF().ERG()->Value() == 1 ? 1 : 2);
    };
    if (m_Host.func_Send(
            DeviceIndex::TIRF,
            [this] { g_Zo->Scope->TIRF().SetERG(chkERGX->state() == 1 ? kERGOfStateOn : kERGOfStateOff); }, show))
        TrapErrors(show);
}

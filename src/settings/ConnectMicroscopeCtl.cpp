#include "settings/ConnectMicroscopeCtl.h"

#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "core/mdlLanguage.h"
#include "model/clsConnectMicroscope.h"
#include "model/clsZo.h"
#include "model/StartupHost.h"
#include "model/mdlStartup.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QTimer>

namespace {

constexpr int kChangeMicroscope = 112;

} // namespace

ConnectMicroscopeCtl::ConnectMicroscopeCtl(QWidget* parent) : SettingPage(parent)
{
    lblConnectMicroscope = new QLabel(this);
    lblConnectMicroscope->setObjectName("lblConnectMicroscope");
    cboMicroscope = new QComboBox(this);
    cboMicroscope->setObjectName("cboMicroscope");
    lblConnectMicroscope->setBuddy(cboMicroscope);
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblConnectMicroscope, 0, 0);
    grid->addWidget(cboMicroscope, 0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    // Only the user's choice asks; filling and selecting from code do not.
    connect(cboMicroscope, qOverload<int>(&QComboBox::activated), this, &ConnectMicroscopeCtl::cboMicroscope_Click);
}

void ConnectMicroscopeCtl::sub_LoadData()
{
    const clsConnectMicroscope& list = *g_Zo->ConnectMicroscope;
    cboMicroscope->clear();
    // Entry 0 is the simulated microscope, which only the command line
    // chooses: it is listed, greyed, while it is the one in use. The real
    // microscopes follow it.
    const int first = g_Zo->ConnectedIndex() == 0 ? 0 : 1;
    for (int entry = first; entry <= list.func_MicroscopeCount(); ++entry) {
        const std::string name = list.func_MicroscopeName(entry);
        if (name.empty())
            continue;
        cboMicroscope->addItem(QString::fromStdString(name), entry);
        if (entry == 0 || !list.func_IsAvailable(entry)) {
            auto* rows = static_cast<QStandardItemModel*>(cboMicroscope->model());
            rows->item(cboMicroscope->count() - 1)->setEnabled(false);
        }
    }
    sub_SelectInUse();
}

void ConnectMicroscopeCtl::sub_SelectInUse()
{
    cboMicroscope->setCurrentIndex(cboMicroscope->findData(g_Zo->ConnectedIndex()));
}

void ConnectMicroscopeCtl::sub_RefreshLanguage()
{
    lblConnectMicroscope->setText(QString::fromStdString(g_LangConnectMicroscopeCtl.LblConnectMicroscope));
}

void ConnectMicroscopeCtl::cboMicroscope_Click(int row)
{
    const int entry = cboMicroscope->itemData(row).toInt();
    if (entry == g_Zo->ConnectedIndex())
        return;
    if (func_ShowMessage(kChangeMicroscope, "", UiServices::MB_YESNO_QUESTION) != UiServices::ID_YES) {
        sub_SelectInUse();
        return;
    }
    // The restart unloads the pad and this dialog with it: it runs once the
    // list's own handling of the choice is over. g_DeviceNo counts the real
    // microscopes only.
    const auto deviceNo = static_cast<int16_t>(entry - 1);
    QTimer::singleShot(0, QCoreApplication::instance(), [deviceNo] {
        // Without the program around the pad (a tool) there is nothing to restart.
        if (g_StartupHost)
            sub_RestartMicroscope(deviceNo);
    });
}

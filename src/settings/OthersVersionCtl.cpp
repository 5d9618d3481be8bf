#include "settings/OthersVersionCtl.h"

#include "core/mdlLanguage.h"
#include "model/clsZo.h"
#include "widgets/QText.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>

namespace {

// Device label 4 names the controller box.
constexpr int kControllerLabel = 4;

} // namespace

OthersVersionCtl::OthersVersionCtl(QWidget* parent) : SettingPage(parent)
{
    auto* grid = new QGridLayout(this);
    lblVerTitle = new QLabel(this);
    lblVerTitle->setObjectName("lblVerTitle");
    QFont title = lblVerTitle->font();
    title.setBold(true);
    lblVerTitle->setFont(title);
    grid->addWidget(lblVerTitle, 0, 0, 1, 2);
    for (int i = 0; i < clsVersion::EntryCount; ++i) {
        auto& device = lblDevice[static_cast<std::size_t>(i)];
        auto& version = lblVersion[static_cast<std::size_t>(i)];
        device = new QLabel(this);
        device->setObjectName(QString("lblDevice%1").arg(i));
        version = new QLabel(this);
        version->setObjectName(QString("lblVersion%1").arg(i));
        version->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(device, i + 1, 0);
        grid->addWidget(version, i + 1, 1);
        // The second CPU of a two-CPU controller sits under the controller.
        if (i == kControllerLabel) {
            lblKestro = new QLabel(this);
            lblKestro->setObjectName("lblKestro");
            grid->addWidget(lblKestro, i + 1, 2);
        }
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(clsVersion::EntryCount + 1, 1);
}

void OthersVersionCtl::sub_LoadData()
{
    m_Version.Zo = &*g_Zo;
    m_Version.func_ReadSdk();
    sub_RefreshLanguage();
}

void OthersVersionCtl::sub_RefreshLanguage()
{
    lblVerTitle->setText(Q(g_LangOthersVersionCtl.LblVersionTitle));
    for (int i = 0; i < clsVersion::EntryCount; ++i) {
        const auto entry = static_cast<std::size_t>(i);
        lblDevice[entry]->setText(Q(g_LangOthersVersionCtl.LblDevice[entry]));
        const std::string version = m_Version.Version(i);
        lblVersion[entry]->setText(Q(g_LangOthersVersionCtl.LblVersion + version));
        lblVersion[entry]->setEnabled(!version.empty());
    }
    QLabel* controller = lblDevice[kControllerLabel];
    switch (m_Version.SystemType()) {
    case -1:
    case 5:
    case 6: // no controller box of its own
        controller->setEnabled(false);
        lblKestro->hide();
        break;
    case 1:
    case 3:
    case 7: // the box with two CPUs
        controller->setText("Kestro-A CPU(SH7145)");
        controller->setEnabled(true);
        lblKestro->setText("CPU(SH7065)");
        lblKestro->show();
        break;
    default:
        controller->setText("Kestro-B");
        controller->setEnabled(true);
        lblKestro->hide();
        break;
    }
    lblKestro->setEnabled(lblKestro->isVisibleTo(this));
}

#include "settings/OthersLayoutCtl.h"

#include "core/NumberText.h"
#include "core/UiServices.h"
#include "core/mdlGlobals.h"
#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "settings/SettingsHost.h"
#include "widgets/FitImage.h"
#include "widgets/QText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <optional>

namespace {

constexpr std::array<const char*, OthersLayoutCtl::LayoutCount> kLayoutNames = {
    "Normal", "Orvane", "Square", "GroupSquare", "Wide", "GroupWide", "Height", "GroupHeight"};

// The frames of the grouped layouts, in the order of chkGroup.
constexpr std::array<GUIControlFlag, 3> kFrames = {gcDIAFrame, gcFLUORESENCEFrame, gcTIRFFrame};

bool IsGrouped(int layout)
{
    return layout % 2 == 0;
}

} // namespace

const char* OthersLayoutCtl::LayoutName(int layout)
{
    return layout >= 1 && layout <= LayoutCount ? kLayoutNames[static_cast<std::size_t>(layout - 1)] : "";
}

std::string OthersLayoutCtl::PreviewPath(int layout)
{
    return g_AppPath + "Picture/Layout/" + LayoutName(layout) + ".png";
}

OthersLayoutCtl::OthersLayoutCtl(QWidget* parent) : SettingPage(parent)
{
    fraLayoutGUI = new QGroupBox(this);
    fraLayoutGUI->setObjectName("fraLayoutGUI");
    lblGUI = new QLabel(fraLayoutGUI);
    lblGUI->setObjectName("lblGUI");
    cboSelectLayout = new QComboBox(fraLayoutGUI);
    cboSelectLayout->setObjectName("cboSelectLayout");
    lblGUI->setBuddy(cboSelectLayout);
    fraOthersLayoutGroup = new QGroupBox(fraLayoutGUI);
    fraOthersLayoutGroup->setObjectName("fraOthersLayoutGroup");
    auto* frames = new QVBoxLayout(fraOthersLayoutGroup);
    for (std::size_t i = 0; i < chkGroup.size(); ++i) {
        chkGroup[i] = new QCheckBox(fraOthersLayoutGroup);
        chkGroup[i]->setObjectName(QString("chkGroup%1").arg(i));
        frames->addWidget(chkGroup[i]);
        connect(chkGroup[i], &QCheckBox::clicked, this, [] { g_LayoutPending = true; });
    }
    frames->addStretch();
    auto* preview = new QFrame(fraLayoutGUI);
    preview->setFrameShape(QFrame::StyledPanel);
    picOthersLayoutGUI = preview;
    picOthersLayoutGUI->setObjectName("picOthersLayoutGUI");
    picOthersLayoutGUI->setMinimumSize(240, 240);
    picOthersLayoutGUI->installEventFilter(this);
    imgOrigin = new QLabel(picOthersLayoutGUI);
    imgOrigin->setObjectName("imgOrigin");

    auto* choice = new QHBoxLayout;
    choice->addWidget(lblGUI);
    choice->addWidget(cboSelectLayout, 1);
    auto* grid = new QGridLayout(fraLayoutGUI);
    grid->addLayout(choice, 0, 0, 1, 2);
    grid->addWidget(picOthersLayoutGUI, 1, 0);
    grid->addWidget(fraOthersLayoutGroup, 1, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);

    lblLanguage = new QLabel(this);
    lblLanguage->setObjectName("lblLanguage");
    cboSelect = new QComboBox(this);
    cboSelect->setObjectName("cboSelect");
    lblLanguage->setBuddy(cboSelect);
    auto* language = new QHBoxLayout;
    language->addWidget(lblLanguage);
    language->addWidget(cboSelect, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraLayoutGUI, 1);
    layout->addLayout(language);
    // The operator's choice only: filling the list from code raises nothing.
    connect(cboSelectLayout, qOverload<int>(&QComboBox::activated), this, &OthersLayoutCtl::cboSelectLayout_Click);
}

void OthersLayoutCtl::sub_FillLayouts()
{
    const QSignalBlocker quiet(cboSelectLayout);
    const int chosen = cboSelectLayout->currentIndex();
    cboSelectLayout->clear();
    for (const std::string& name : g_LangOthersLayoutCtl.CboSelectLayout)
        if (cboSelectLayout->count() < LayoutCount && !name.empty())
            cboSelectLayout->addItem(Q(name));
    cboSelectLayout->setCurrentIndex(chosen);
}

void OthersLayoutCtl::sub_FillLanguages()
{
    const QSignalBlocker quiet(cboSelect);
    const QVariant chosen = cboSelect->currentData();
    cboSelect->clear();
    const TextTable& languages = g_LangLanguageCtl.CboLanguage;
    for (std::size_t k = 0; k < languages.Rows(); ++k) {
        // Each entry names its row of the language table; a row without a
        // file is not offered.
        const std::optional<double> number = zo::ParseNumber(languages.Cell(k, 1));
        const int row = number ? static_cast<int>(*number) : static_cast<int>(k) + 1;
        if (languages.Cell(k, 0).empty() || row < 1 || row > static_cast<int>(g_LanguageTable.size())
            || g_LanguageTable[static_cast<std::size_t>(row - 1)][0].empty())
            continue;
        cboSelect->addItem(Q(languages.Cell(k, 0)), row);
    }
    cboSelect->setCurrentIndex(cboSelect->findData(chosen.isValid() ? chosen : QVariant(int(g_LanguageFlag))));
}

void OthersLayoutCtl::sub_LoadData()
{
    sub_FillLayouts();
    {
        const QSignalBlocker quiet(cboSelectLayout);
        cboSelectLayout->setCurrentIndex(g_LayoutType - 1);
    }
    for (std::size_t i = 0; i < chkGroup.size(); ++i)
        chkGroup[i]->setChecked(ControlVisible[static_cast<std::size_t>(kGUIControl[kFrames[i]].entries[0])]);
    sub_ShowLayout(cboSelectLayout->currentIndex());
    cboSelect->setCurrentIndex(-1);
    sub_FillLanguages();
}

void OthersLayoutCtl::cboSelectLayout_Click(int index)
{
    g_LayoutPending = true;
    sub_ShowLayout(index);
}

void OthersLayoutCtl::sub_ShowLayout(int index)
{
    const int layout = index + 1;
    fraOthersLayoutGroup->setVisible(IsGrouped(layout));
    sub_FitPreview();
}

void OthersLayoutCtl::sub_FitPreview()
{
    // A missing picture leaves the preview empty.
    sub_FitImage(*imgOrigin, *picOthersLayoutGUI,
                 QPixmap(Q(PreviewPath(cboSelectLayout->currentIndex() + 1))));
}

bool OthersLayoutCtl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picOthersLayoutGUI && event->type() == QEvent::Resize)
        sub_FitPreview();
    return SettingPage::eventFilter(watched, event);
}

void OthersLayoutCtl::sub_SaveData()
{
    const int chosen = cboSelectLayout->currentIndex() + 1;
    if (chosen >= 1) {
        // Only a new layout is centred on the screen.
        if (SettingsHost* host = Host())
            host->SetLayoutCentring(chosen != g_LayoutType);
        g_LayoutType = static_cast<int16_t>(chosen);
    }
    for (std::size_t i = 0; i < chkGroup.size(); ++i)
        g_GUIControl[kFrames[i]] = chkGroup[i]->isChecked();
    sub_ApplyGUIControl();

    const QVariant row = cboSelect->currentData();
    if (row.isValid() && row.toInt() != g_LanguageFlag) {
        const BusyPointer hourglass;
        g_LanguageFlag = static_cast<int16_t>(row.toInt());
        sub_ReadLanguage();
        sub_RefreshAllLanguage();
    }
}

void OthersLayoutCtl::sub_RefreshLanguage()
{
    const auto& texts = g_LangOthersLayoutCtl;
    lblGUI->setText(Q(texts.LblOthersLayout));
    fraLayoutGUI->setTitle(Q(texts.FraOthersLayoutGUI));
    fraOthersLayoutGroup->setTitle(Q(texts.FraOthersLayoutGroup));
    for (const auto& [box, caption] : {std::pair{chkGroup[0], &texts.LblOthersLayoutDIA},
                                       std::pair{chkGroup[1], &texts.LblOthersLayoutFlo},
                                       std::pair{chkGroup[2], &texts.LblOthersLayoutTIRF}})
        box->setText(Q(*caption));
    lblLanguage->setText(Q(g_LangLanguageCtl.LblLanguage));
    sub_FillLayouts();
    sub_FillLanguages();
}

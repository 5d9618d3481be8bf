#include "settings/ObservationModeCtl.h"

#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "core/mdlLanguage.h"
#include "model/clsConnectFilter.h"
#include "model/clsObservationMode.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"
#include "settings/SettingCheckBox.h"
#include "settings/SettingField.h"
#include "settings/SettingPagePair.h"
#include "settings/frmSettingMain.h"
#include "widgets/QText.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kInvalidName = 66;
constexpr int kFilterBlockWithAnalyzer = 84;
constexpr int kNameInUse = 107;

// Items that the page's rules name (the numbering of the model's flags).
constexpr int kFilterBlock1 = 3;
constexpr int kAnalyzer = 5;
// Items 0..8 on the first frame, the rest on the second.
constexpr int kFirstFrameItems = 9;
// Setup files take names of up to four characters.
constexpr int kLongestName = 4;

bool Mounted(int device)
{
    return g_Zo->IsMounted(device) == 1;
}

// The turret of the program's first filter-block row.
int FirstRowTurret()
{
    return g_Zo->ConnectFilter->FilterPosition() ? DeviceIndex::FilterTurret2 : DeviceIndex::FilterTurret1;
}

struct Item {
    const std::string LangObservationModeCtl::*caption;
    bool (*shown)();
};

using L = LangObservationModeCtl;
using namespace DeviceIndex;
const std::array<Item, ObservationModeCtl::ItemCount> kItems{{
    {&L::LblObjective, [] { return Mounted(Nosepiece); }},
    {&L::LblCondenser, [] { return Mounted(Condenser); }},
    {&L::LblPath, [] { return Mounted(LightPath); }},
    {&L::LblFilterBlock1, [] { return Mounted(FirstRowTurret()); }},
    {&L::LblFilterBlock2, [] { return Mounted(FirstRowTurret() == FilterTurret1 ? FilterTurret2 : FilterTurret1); }},
    {&L::LblAnalyzer, [] { return Mounted(Analyzer); }},
    {&L::LblExFilter, [] { return Mounted(EXWheel); }},
    {&L::LblBaFilter, [] { return Mounted(BAWheel); }},
    {&L::LblTirfEpi, [] { return Mounted(TIRF); }},
    {&L::LblIrluxShutter, [] { return Mounted(Illuminator); }},
    {&L::LblIrluxND, [] { return Mounted(Illuminator); }},
    {&L::LblDiaLamp, [] { return Mounted(DiaLamp); }},
    {&L::LblDiaLampVolt, [] { return Mounted(DiaLamp); }},
    {&L::LblShutter1, [] { return g_Zo->HasPiezoConnection(); }},
    {&L::LblShutter2, [] { return g_Zo->HasPiezoConnection(); }},
    {&L::LblFKS, [] { return Mounted(FKS); }},
    {&L::LblFKSOffset, [] { return Mounted(FKS); }},
}};

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

clsObservationMode& Modes()
{
    return *g_Zo->ObservationMode;
}

} // namespace

ObservationModeCtl::ObservationModeCtl(QWidget* parent) : SettingPage(parent)
{
    auto* slotColumn = new QVBoxLayout;
    m_Slots = new QButtonGroup(this);
    for (int s = 0; s < SlotCount; ++s) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QString("optUser%1").arg(s));
        m_Slots->addButton(button, s);
        slotColumn->addWidget(button);
        optUser[static_cast<std::size_t>(s)] = button;
    }
    slotColumn->addStretch();
    connect(m_Slots, &QButtonGroup::idClicked, this, &ObservationModeCtl::optUser_Click);

    lblProfileName = new QLabel(this);
    lblProfileName->setObjectName("lblProfileName");
    txtName = new QLineEdit(this);
    txtName->setObjectName("txtName");
    txtName->setMaxLength(kLongestName);
    lblProfileName->setBuddy(txtName);
    new SettingField(*txtName, [this] { return txtName_Validate(); });
    // Installed after the field's check, so that it sees Return first.
    txtName->installEventFilter(this);
    auto* name = new QHBoxLayout;
    name->addWidget(lblProfileName);
    name->addWidget(txtName);
    name->addStretch();

    m_Frames = new SettingPagePair(this);
    std::array<SettingPage*, 2> frames{new SettingPage(m_Frames->PageArea()), new SettingPage(m_Frames->PageArea())};
    std::array<QGridLayout*, 2> grids{};
    m_Frames->SetPages(frames[0], frames[1], &g_LangObservationModeCtl.BtnNext, &g_LangObservationModeCtl.BtnPrevious);
    for (std::size_t f = 0; f < frames.size(); ++f) {
        frames[f]->setObjectName(QString("fraMode%1").arg(f));
        grids[f] = new QGridLayout(frames[f]);
        grids[f]->setColumnStretch(1, 1);
    }
    for (int j = 0; j < ItemCount; ++j) {
        const auto i = static_cast<std::size_t>(j);
        const std::size_t f = j < kFirstFrameItems ? 0 : 1;
        const int row = j < kFirstFrameItems ? j : j - kFirstFrameItems;
        chkMode[i] = new SettingCheckBox(frames[f]);
        chkMode[i]->setObjectName(QString("chkMode%1").arg(j));
        // The caption acts as the box's label: it ticks, it takes no focus.
        btnMode[i] = new QPushButton(frames[f]);
        btnMode[i]->setObjectName(QString("btnMode%1").arg(j));
        btnMode[i]->setFlat(true);
        btnMode[i]->setFocusPolicy(Qt::NoFocus);
        btnMode[i]->setAutoDefault(false);
        btnMode[i]->setStyleSheet("text-align: left; padding: 2px 4px;");
        grids[f]->addWidget(chkMode[i], row, 0);
        grids[f]->addWidget(btnMode[i], row, 1);
        connect(chkMode[i], &SettingCheckBox::clicked, this, [this, j] { chkMode_Click(j); });
        connect(btnMode[i], &QPushButton::clicked, chkMode[i], &SettingCheckBox::click);
    }
    for (QGridLayout* grid : grids)
        grid->setRowStretch(grid->rowCount(), 1);

    auto* right = new QVBoxLayout;
    right->addLayout(name);
    right->addWidget(m_Frames, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(slotColumn);
    layout->addSpacing(12);
    layout->addLayout(right, 1);
}

void ObservationModeCtl::sub_LoadData()
{
    sub_CaptionSlots();
    optUser[static_cast<std::size_t>(m_Slot)]->setChecked(true);
    sub_ShowSlot();
}

void ObservationModeCtl::sub_RefreshLanguage()
{
    lblProfileName->setText(Q(g_LangObservationModeCtl.LblProfileName));
    for (std::size_t j = 0; j < kItems.size(); ++j)
        btnMode[j]->setText(Q(g_LangObservationModeCtl.*kItems[j].caption));
    m_Frames->sub_RefreshLanguage();
    sub_CaptionSlots();
}

void ObservationModeCtl::sub_RefreshUserName()
{
    // A write compacts the modes into the first slots: the slot shown may
    // hold another mode now.
    sub_CaptionSlots();
    sub_ShowSlot();
}

void ObservationModeCtl::sub_RefreshForm()
{
    for (std::size_t j = 0; j < kItems.size(); ++j) {
        const bool shown = kItems[j].shown();
        chkMode[j]->setVisible(shown);
        btnMode[j]->setVisible(shown);
    }
}

void ObservationModeCtl::sub_CaptionSlots()
{
    for (int s = 0; s < SlotCount; ++s) {
        const std::string name = Modes().Name(s);
        optUser[static_cast<std::size_t>(s)]->setText(
            Q(Trimmed(name).empty() ? g_LangObservationModeCtl.LblUndefined : name));
    }
}

void ObservationModeCtl::sub_ShowSlot()
{
    txtName->setText(Q(Modes().Name(m_Slot)));
    for (int j = 0; j < ItemCount; ++j)
        chkMode[static_cast<std::size_t>(j)]->SetValue(Modes().Mode(m_Slot, j) != 0);
    sub_RefreshForm();
}

void ObservationModeCtl::optUser_Click(int slot)
{
    // A name typed but not taken is taken first; one the field refuses
    // stays with its slot until it is put right.
    const auto pending = [this] { return Trimmed(txtName->text().toStdString()) != Trimmed(Modes().Name(m_Slot)); };
    if (pending())
        txtName_Validate();
    if (pending()) {
        optUser[static_cast<std::size_t>(m_Slot)]->setChecked(true);
        return;
    }
    m_Slot = slot;
    optUser[static_cast<std::size_t>(slot)]->setChecked(true);
    sub_ShowSlot();
}

void ObservationModeCtl::chkMode_Click(int item)
{
    SettingCheckBox* analyzer = chkMode[kAnalyzer];
    if (!g_MouseOverCancel) {
        // Without an analyzer, a flag it kept from elsewhere goes with it.
        if (item == kFilterBlock1 && analyzer->isHidden()) {
            analyzer->SetValue(false);
            Modes().SetMode(m_Slot, kAnalyzer, 0);
        }
        if ((item == kFilterBlock1 || item == kAnalyzer) && chkMode[kFilterBlock1]->Value() && analyzer->Value()) {
            chkMode[static_cast<std::size_t>(item)]->SetValue(false);
            func_ShowMessage(kFilterBlockWithAnalyzer, "", UiServices::MB_OK);
        }
    }
    sub_StoreItem(item);
}

void ObservationModeCtl::sub_StoreItem(int item)
{
    constexpr int16_t kTrue = -1;
    Modes().SetMode(m_Slot, item, chkMode[static_cast<std::size_t>(item)]->Value() ? kTrue : 0);
}

bool ObservationModeCtl::txtName_Validate()
{
    const std::string text = txtName->text().toStdString();
    const std::string name = Trimmed(text);
    if (!name.empty() && (!func_IsValidName(text) || text.front() == ' ')) {
        sub_Refuse(kInvalidName);
        return false;
    }
    if (name == Trimmed(Modes().Name(m_Slot)))
        return true;
    bool keepFocus = false;
    if (!name.empty()) {
        std::array<std::string, SlotCount> names;
        for (int s = 0; s < SlotCount; ++s)
            names[static_cast<std::size_t>(s)] = Modes().Name(s);
        if (func_IndexInList(name, names, SlotCount - 1) >= 0) {
            if (func_FieldExit() != FieldExit::Validate)
                return false;
            if (func_ShowMessage(kNameInUse, "", UiServices::MB_YESNO_QUESTION) != UiServices::ID_YES) {
                txtName->setText(Q(Modes().Name(m_Slot)));
                return false;
            }
            keepFocus = true;
        }
    }
    Modes().SetName(m_Slot, name);
    txtName->setText(Q(name));
    sub_CaptionSlots();
    // Naming a mode records what its devices do now.
    if (!name.empty())
        for (int j = 0; j < ItemCount; ++j)
            sub_StoreItem(j);
    return !keepFocus;
}

bool ObservationModeCtl::eventFilter(QObject* watched, QEvent* event)
{
    // Enter takes the name at once; it does not reach the dialog's OK.
    if (watched == txtName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtName_Validate();
            return true;
        }
    }
    return SettingPage::eventFilter(watched, event);
}

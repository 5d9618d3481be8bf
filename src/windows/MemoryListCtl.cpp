#include "windows/MemoryListCtl.h"

#include "core/DeviceValue.h"
#include "core/FlagScope.h"
#include "core/NumberText.h"
#include "core/TrapErrors.h"
#include "core/UiServices.h"
#include "core/mdlCommon.h"
#include "core/mdlLanguage.h"
#include "model/clsZo.h"
#include "sdk/ZoScope.h"
#include "widgets/ApplyFont.h"
#include "widgets/QText.h"
#include "widgets/SvgIconRegistry.h"
#include "widgets/Twips.h"
#include "widgets/usrPButton.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int kStoreTIRFQuestion = 113;
constexpr int kXYFieldWidth = 14;
constexpr QSize kButtonSize{34, 28};

} // namespace

MemoryListCtl::MemoryListCtl(PadMemoryHost& host, MemoryListLayout layout, SvgIconRegistry& icons, QWidget* parent)
    : QWidget(parent), m_Host(host), m_Layout(std::move(layout))
{
    setFixedWidth(Twips::ToPixels(m_Layout.WidthTwips));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(3, 3, 3, 3);
    column->setSpacing(3);

    m_Caption = new QLabel(this);
    m_Caption->setObjectName(m_Layout.CaptionName);
    m_Caption->setAlignment(Qt::AlignCenter);
    m_Caption->setFrameShape(QFrame::StyledPanel);
    m_Caption->setAutoFillBackground(true);
    m_Caption->setBackgroundRole(QPalette::AlternateBase);
    column->addWidget(m_Caption);

    m_List = new QListWidget(this);
    m_List->setObjectName("lst" + m_Layout.Name);
    m_List->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_List->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int slot = 0; slot < kSlots; ++slot)
        m_List->addItem(QString());
    column->addWidget(m_List, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(3);
    const auto button = [&](const QString& prefix, const char* icon) {
        auto* b = new usrPButton(this);
        b->setObjectName(prefix + m_Layout.Name);
        b->setIcon(icons.Icon(QStringLiteral(":/windows/icons/%1.svg").arg(QLatin1String(icon))));
        b->setFixedSize(kButtonSize);
        buttons->addWidget(b);
        return b;
    };
    m_Store = button("picMem", "store");
    m_Move = button("picMove", "move");
    m_Clear = button("picRest", "clear");
    buttons->addStretch(1);
    column->addLayout(buttons);

    connect(m_List, &QListWidget::itemSelectionChanged, this, &MemoryListCtl::sub_ListClick);
    connect(m_Store, &usrPButton::clicked, this, &MemoryListCtl::picMem_Click);
    connect(m_Move, &usrPButton::clicked, this, &MemoryListCtl::moveClicked);
    connect(m_Clear, &usrPButton::clicked, this, &MemoryListCtl::picRest_Click);

    sub_SetMemory();
    sub_ListClick();
}

// ============================================================== entries

QString MemoryListCtl::func_EntryText(int slot) const
{
    const auto text = [&](std::size_t part) {
        return Q((*m_Layout.Parts[part].Table)[static_cast<std::size_t>(slot)]);
    };
    const QString number = QString::number(slot + 1) + QLatin1Char(':');
    if (!m_Layout.XYField)
        return number + text(0);
    // The X part in a fixed field, so the Y values line up under each other.
    return (number + "X:" + text(0)).leftJustified(kXYFieldWidth, QLatin1Char(' '), true) + "Y:" + text(1);
}

void MemoryListCtl::sub_SetMemory()
{
    // The entries are rewritten in place: the selection stays as it is.
    const FlagScope setting(m_Setting);
    for (int slot = 0; slot < kSlots; ++slot)
        m_List->item(slot)->setText(func_EntryText(slot));
    sub_ListClick();
}

std::vector<int> MemoryListCtl::SelectedSlots() const
{
    std::vector<int> chosen;
    for (int slot = 0; slot < kSlots; ++slot)
        if (m_List->item(slot)->isSelected())
            chosen.push_back(slot);
    return chosen;
}

int MemoryListCtl::ListPosition() const
{
    const std::vector<int> chosen = SelectedSlots();
    return chosen.size() == 1 ? chosen[0] : -1;
}

void MemoryListCtl::SetListPosition(int slot)
{
    const FlagScope setting(m_Setting);
    m_List->clearSelection();
    if (slot >= 0 && slot < kSlots) {
        m_List->setCurrentRow(slot, QItemSelectionModel::ClearAndSelect);
        m_List->scrollToItem(m_List->item(slot));
    }
}

void MemoryListCtl::sub_ListClick()
{
    const std::vector<int> chosen = SelectedSlots();
    // Several chosen can only be cleared together.
    m_Store->setEnabled(chosen.size() == 1);
    m_Move->setEnabled(chosen.size() == 1 && func_Target(chosen[0]).has_value());
    m_Clear->setEnabled(!chosen.empty());
    if (chosen.size() == 1 && !m_Setting)
        emit listClicked(chosen[0]);
}

// ============================================================== store, move, clear

void MemoryListCtl::picMem_Click()
{
    const int slot = ListPosition();
    if (slot < 0)
        return;
    if (m_Layout.AskBeforeStore &&
        func_ShowMessage(kStoreTIRFQuestion, "", UiServices::MB_YESNO_QUESTION) != UiServices::ID_YES)
        return;
    // The pad shows the stored position in its list and in this one.
    if (m_Host.func_StoreMemory(m_Layout.Kind, slot))
        sub_SetMemory();
}

bool MemoryListCtl::func_Mounted() const
{
    for (int device : m_Layout.Devices)
        if (g_Zo->IsMounted(device) != 1)
            return false;
    return true;
}

std::optional<std::vector<int32_t>> MemoryListCtl::func_Target(int slot) const
{
    std::vector<int32_t> target;
    for (const MemoryListLayout::Part& part : m_Layout.Parts) {
        const std::optional<double> value = zo::ParseNumber((*part.Table)[static_cast<std::size_t>(slot)]);
        if (!value)
            return std::nullopt;
        target.push_back(func_DeviceValue(*value, m_Host.DisplayFactor(part.Axis)));
    }
    return target;
}

bool MemoryListCtl::func_IsBlank()
{
    const int slot = ListPosition();
    if (slot < 0)
        return true;
    const std::optional<std::vector<int32_t>> target = func_Target(slot);
    return !target || !m_Host.func_Reachable(m_Layout.Kind, *target);
}

std::optional<std::vector<int32_t>> MemoryListCtl::func_SelectedTarget() const
{
    const int slot = ListPosition();
    if (!func_Mounted() || slot < 0)
        return std::nullopt;
    return func_Target(slot);
}

bool MemoryListCtl::func_MovePos()
{
    const std::optional<std::vector<int32_t>> target = func_SelectedTarget();
    return target && m_Host.func_MoveMemory(m_Layout.Kind, *target);
}

void MemoryListCtl::picRest_Click()
{
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty())
        return;
    for (int slot : chosen)
        for (const MemoryListLayout::Part& part : m_Layout.Parts)
            (*part.Table)[static_cast<std::size_t>(slot)].clear();
    sub_SetMemory();
    m_Host.sub_SetMemory(m_Layout.Kind);
}

// ============================================================== texts

void MemoryListCtl::sub_SetLanguage()
{
    sub_ApplyFont(this, g_Font);
    sub_RefreshLanguage();
}

void MemoryListCtl::sub_RefreshLanguage()
{
    if (m_Layout.Caption)
        m_Caption->setText(Q(*m_Layout.Caption));
    m_Store->setToolTip(Q(g_LangFrmStage.TipStore));
    m_Move->setToolTip(Q(g_LangFrmStage.TipMove));
    m_Clear->setToolTip(Q(g_LangFrmStage.TipClear));
    if (m_Layout.XYField) {
        // The fixed field of an XY entry lines up only in a fixed-pitch font.
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSizeF(m_List->font().pointSizeF());
        m_List->setFont(fixed);
    }
}

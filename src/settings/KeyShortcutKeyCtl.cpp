#include "settings/KeyShortcutKeyCtl.h"

#include "core/mdlLanguage.h"
#include "core/mdlSettings.h"
#include "model/clsObservationMode.h"
#include "model/clsShortcutKey.h"
#include "model/clsZo.h"
#include "settings/KeyAssignmentRow.h"
#include "widgets/QText.h"

#include <QGridLayout>
#include <QLabel>

namespace {

// Rows of the function table that apply observation modes 1 to 8.
constexpr std::size_t kFirstModeRow = 86;
constexpr int kModeCount = 8;
constexpr std::size_t kFunction = 2;

} // namespace

KeyShortcutKeyCtl::KeyShortcutKeyCtl(QWidget* parent)
    : SettingPagePair(parent), m_Table(g_KeyShortcutList.Rows(), g_KeyShortcutList.Columns())
{
    SetPages(new KeyShortcutRows(m_Table, 0, PageArea()),
             new KeyShortcutRows(m_Table, KeyShortcutRows::RowCount, PageArea()),
             &g_LangKeyShortcutKeyCtl.BtnNext, &g_LangKeyShortcutKeyCtl.BtnPrevious);
}

void KeyShortcutKeyCtl::sub_NameModes()
{
    for (int mode = 0; mode < kModeCount; ++mode)
        m_Table.Cell(kFirstModeRow + static_cast<std::size_t>(mode), kFunction) =
            std::to_string(mode + 1) + " : " + g_Zo->ObservationMode->Name(mode);
}

void KeyShortcutKeyCtl::sub_LoadData()
{
    sub_NameModes();
    SettingPagePair::sub_LoadData();
}

void KeyShortcutKeyCtl::sub_RefreshLanguage()
{
    m_Table = g_KeyShortcutList;
    sub_NameModes();
    SettingPagePair::sub_RefreshLanguage();
}

void KeyShortcutKeyCtl::sub_RefreshUserName()
{
    sub_NameModes();
    SettingPagePair::sub_RefreshUserName();
}

KeyShortcutRows::KeyShortcutRows(const TextTable& table, int first, QWidget* parent)
    : SettingPage(parent), m_First(first)
{
    auto* grid = new QGridLayout(this);
    KeyAssignmentRow::sub_AddHeadings(*grid, this, lblDevice, lblFunction);
    for (int r = 0; r < RowCount; ++r) {
        const int key = m_First + r;
        auto* row = new KeyAssignmentRow(table, key, *grid, r + 1, QString("lblIndex%1").arg(key), this);
        row->StoreCode = [key](int32_t code) { g_Zo->ShortcutKey->SetKey(key, code); };
        m_Rows[static_cast<std::size_t>(r)] = row;
    }
    grid->setRowStretch(RowCount + 1, 1);
}

void KeyShortcutRows::sub_LoadData()
{
    // The program's table is what the pad runs and the settings file keeps.
    for (int r = 0; r < RowCount; ++r)
        m_Rows[static_cast<std::size_t>(r)]->sub_Load(g_ShortcutKey[static_cast<std::size_t>(m_First + r)]);
}

void KeyShortcutRows::sub_RefreshUserName()
{
    for (KeyAssignmentRow* row : m_Rows)
        row->sub_Refill();
}

void KeyShortcutRows::sub_RefreshLanguage()
{
    lblDevice->setText(Q(g_LangKeyShortcutKeyCtl.LblDevice));
    lblFunction->setText(Q(g_LangKeyShortcutKeyCtl.LblFunction));
    for (int r = 0; r < RowCount; ++r)
        m_Rows[static_cast<std::size_t>(r)]->label->setText(
            Q(g_LangKeyShortcutKeyCtl.LblIndex[static_cast<std::size_t>(m_First + r)]));
    sub_RefreshUserName();
}

void KeyShortcutRows::sub_SaveINI()
{
    for (int r = 0; r < RowCount; ++r)
        g_ShortcutKey[static_cast<std::size_t>(m_First + r)] =
            static_cast<int16_t>(m_Rows[static_cast<std::size_t>(r)]->func_Code());
}

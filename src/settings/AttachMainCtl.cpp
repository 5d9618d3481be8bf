#include "settings/AttachMainCtl.h"

#include "core/mdlSettings.h"
#include "model/clsZo.h"
#include "sdk/DeviceIndex.h"
#include "settings/AttachViews.h"
#include "settings/frmSettingMain.h"

AttachMainCtl::AttachMainCtl(std::vector<SettingEntry> entries, QWidget* parent)
    : SettingPageGroup(frmSettingMain::Attach, std::move(entries), parent)
{
    // A view button chooses the database view of its entry, or leaves it.
    for (int entry = 0; entry < PageCount(); ++entry)
        if (AttachViews* views = Views(entry))
            views->RequestPage = [this, entry](int page) {
                m_DatabaseView[static_cast<std::size_t>(entry)] = IsDatabasePage(page);
                optMenu_MouseDown(page);
            };
}

bool AttachMainCtl::IsDatabasePage(int page)
{
    return page >= DBObjective && page != Filter2;
}

AttachViews* AttachMainCtl::Views(int entry) const
{
    return dynamic_cast<AttachViews*>(Page(entry));
}

int AttachMainCtl::func_MenuEntry(int page) const
{
    for (int entry = 0; entry < PageCount(); ++entry)
        if (AttachViews* views = Views(entry); views && views->Holds(page))
            return entry;
    return -1;
}

SettingPage* AttachMainCtl::PageWidget(int page) const
{
    AttachViews* views = Views(func_MenuEntry(page));
    return views ? views->ViewPage(page) : nullptr;
}

void AttachMainCtl::optMenu_Click(int page)
{
    using namespace DeviceIndex;
    if (page >= 0 && page < kEntries && m_DatabaseView[static_cast<std::size_t>(page)])
        page += DBObjective;
    if (page == Filter2 && !(g_Zo->IsMounted(FilterTurret1) == 1 && g_Zo->IsMounted(FilterTurret2) == 1))
        page = Filter1;
    const int entry = func_MenuEntry(page);
    AttachViews* views = Views(entry);
    if (!views)
        return;
    sub_ShowEntry(entry);
    m_DatabaseView[static_cast<std::size_t>(entry)] = IsDatabasePage(page);
    m_Page = page;
    views->sub_ShowView(page);
    g_DefaultGUIPage[frmSettingMain::Attach] = static_cast<int16_t>(page);
}

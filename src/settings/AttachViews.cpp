#include "settings/AttachViews.h"

#include "settings/OptionRow.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QStackedLayout>

AttachViews::AttachViews(std::vector<View> views, QWidget* parent) : SettingPageContainer(parent), m_Views(std::move(views))
{
    std::vector<OptionPage> pages;
    for (const View& view : m_Views)
        pages.push_back({view.name, view.create});
    m_Row = AddOptionRow("optView", pages);
    m_Row.buttons.front()->setChecked(true);
    connect(m_Row.group, &QButtonGroup::idClicked, this, [this](int index) {
        if (RequestPage)
            RequestPage(m_Views[static_cast<std::size_t>(index)].page);
    });
}

int AttachViews::Index(int page) const
{
    for (std::size_t i = 0; i < m_Views.size(); ++i)
        if (m_Views[i].page == page)
            return static_cast<int>(i);
    return -1;
}

SettingPage* AttachViews::ViewPage(int page) const
{
    return Page(Index(page));
}

void AttachViews::sub_ShowView(int page)
{
    const int index = Index(page);
    if (index < 0)
        return;
    m_Shown = index;
    m_Row.buttons[static_cast<std::size_t>(index)]->setChecked(true);
    m_Row.stack->setCurrentIndex(index);
    Page(index)->sub_LoadData();
}

void AttachViews::sub_UpdateButtons()
{
    for (std::size_t i = 0; i < m_Views.size(); ++i) {
        m_Row.buttons[i]->setText(QString::fromStdString(m_Views[i].caption()));
        m_Row.buttons[i]->setEnabled(!m_Views[i].enabled || m_Views[i].enabled());
    }
}

void AttachViews::sub_LoadData()
{
    sub_UpdateButtons();
    // The group disables the entry of a device that is not mounted.
    if (isEnabledTo(parentWidget()))
        SettingPageContainer::sub_LoadData();
}

void AttachViews::sub_RefreshLanguage()
{
    sub_UpdateButtons();
    SettingPageContainer::sub_RefreshLanguage();
}

void AttachViews::sub_RefreshForm()
{
    sub_UpdateButtons();
    SettingPageContainer::sub_RefreshForm();
}

#include "settings/AttachViews.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>

AttachViews::AttachViews(std::vector<View> views, QWidget* parent) : SettingPageContainer(parent), m_Views(std::move(views))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    m_Group = new QButtonGroup(this);
    auto* pages = new QWidget(this);
    m_Stack = new QStackedLayout(pages);
    for (std::size_t i = 0; i < m_Views.size(); ++i) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QString("optView%1").arg(i));
        m_Group->addButton(button, static_cast<int>(i));
        row->addWidget(button);
        m_Buttons.push_back(button);
    }
    for (const View& view : m_Views) {
        m_Stack->addWidget(view.content);
        AddPage(view.content);
    }
    row->addStretch();
    layout->addLayout(row);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    layout->addWidget(pages, 1);
    m_Buttons.front()->setChecked(true);
    connect(m_Group, &QButtonGroup::idClicked, this, [this](int index) {
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
    const int index = Index(page);
    return index < 0 ? nullptr : m_Views[static_cast<std::size_t>(index)].content;
}

void AttachViews::sub_ShowView(int page)
{
    const int index = Index(page);
    if (index < 0)
        return;
    m_Shown = index;
    m_Buttons[static_cast<std::size_t>(index)]->setChecked(true);
    m_Stack->setCurrentIndex(index);
    m_Views[static_cast<std::size_t>(index)].content->sub_LoadData();
}

void AttachViews::sub_UpdateButtons()
{
    for (std::size_t i = 0; i < m_Views.size(); ++i) {
        m_Buttons[i]->setText(QString::fromStdString(m_Views[i].caption()));
        m_Buttons[i]->setEnabled(!m_Views[i].enabled || m_Views[i].enabled());
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

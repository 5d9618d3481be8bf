#include "settings/SettingPagePair.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

SettingPagePair::SettingPagePair(QWidget* parent) : SettingPageContainer(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_Area = new QWidget(this);
    m_Stack = new QStackedLayout(m_Area);
    layout->addWidget(m_Area, 1);
    btnPage = new QPushButton(this);
    btnPage->setObjectName("btnPage");
    btnPage->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btnPage);
    layout->addLayout(row);
    connect(btnPage, &QPushButton::clicked, this, &SettingPagePair::btnPage_Click);
}

void SettingPagePair::SetPages(SettingPage* first, SettingPage* second, const std::string* next,
                               const std::string* previous)
{
    first->setObjectName("Page1");
    second->setObjectName("Page2");
    for (SettingPage* page : {first, second}) {
        m_Stack->addWidget(page);
        AddPage(page);
    }
    m_Next = next;
    m_Previous = previous;
    // The button comes after the rows it pages through.
    setTabOrder(second, btnPage);
}

void SettingPagePair::btnPage_Click()
{
    m_Shown = 1 - m_Shown;
    m_Stack->setCurrentIndex(m_Shown);
    btnPage->setText(QString::fromStdString(*(m_Shown == 0 ? m_Next : m_Previous)));
}

void SettingPagePair::sub_RefreshLanguage()
{
    btnPage->setText(QString::fromStdString(*(m_Shown == 0 ? m_Next : m_Previous)));
    SettingPageContainer::sub_RefreshLanguage();
}

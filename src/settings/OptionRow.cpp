#include "settings/OptionRow.h"

#include "settings/SettingPage.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>

OptionRow func_OptionRow(QWidget& owner, const char* prefix, const std::vector<OptionPage>& pages)
{
    const int count = static_cast<int>(pages.size());
    OptionRow row;
    auto* layout = new QVBoxLayout(&owner);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* menu = new QHBoxLayout;
    row.group = new QButtonGroup(&owner);
    auto* stacked = new QWidget(&owner);
    row.stack = new QStackedLayout(stacked);
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton(&owner);
        button->setObjectName(QString("%1%2").arg(prefix).arg(i));
        row.group->addButton(button, i);
        menu->addWidget(button);
        row.buttons.push_back(button);
    }
    for (const OptionPage& page : pages) {
        SettingPage* made = page.create(stacked);
        made->setObjectName(page.name);
        row.stack->addWidget(made);
        row.pages.push_back(made);
    }
    menu->addStretch();
    layout->addLayout(menu);
    if (count > 1) {
        auto* rule = new QFrame(&owner);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        layout->addWidget(rule);
    } else {
        for (QRadioButton* button : row.buttons)
            button->hide();
    }
    layout->addWidget(stacked, 1);
    return row;
}

#include "widgets/ApplyFont.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QTreeView>

#include <utility>
#include <vector>

#include "widgets/usrPButton.h"
#include "widgets/usrXscrollZo.h"

namespace {

// The kinds whose font follows the language file. usrMPButton is a
// usrPButton, usrComboBox a QComboBox, list boxes are QListViews.
bool takesWindowFont(const QWidget* widget)
{
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)
        || qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QRadioButton*>(widget)
        || qobject_cast<const QListView*>(widget) || qobject_cast<const QTreeView*>(widget)
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QStatusBar*>(widget)
        || qobject_cast<const usrPButton*>(widget) || qobject_cast<const usrXscrollZo*>(widget);
}

// Parts a control is built from (the editor of a combo box, the viewport of a
// list) follow their control, not the rule.
bool isInnerPart(const QWidget* widget, const QWidget* root)
{
    for (const QWidget* up = widget->parentWidget(); up && up != root; up = up->parentWidget()) {
        if (!qobject_cast<const QGroupBox*>(up) && (takesWindowFont(up) || up->inherits("QAbstractSpinBox")))
            return true;
    }
    return false;
}

} // namespace

void sub_ApplyFont(QWidget* root, const FontInfo& font)
{
    if (!root || font.Name.empty())
        return;

    std::vector<QWidget*> targets;
    // Qt hands a parent's font down to its children; a control outside the
    // rule that sits in a changing frame keeps the font it has now.
    std::vector<std::pair<QWidget*, QFont>> keep;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (isInnerPart(widget, root))
            continue;
        if (takesWindowFont(widget))
            targets.push_back(widget);
        else
            keep.emplace_back(widget, widget->font());
    }

    for (QWidget* widget : targets)
        widget->setFont(func_LanguageFont(widget->font(), font));
    for (auto& [widget, before] : keep) {
        if (widget->font() != before) {
            // Every property explicit, or the changed frame's would show through.
            before.setResolveMask(QFont::AllPropertiesResolved);
            widget->setFont(before);
        }
    }
}

QFont func_LanguageFont(QFont base, const FontInfo& font)
{
    if (font.Name.empty())
        return base;
    base.setFamily(QString::fromStdString(font.Name));
    base.setBold(font.Bold);
    base.setItalic(font.Italic);
    if (font.Size > 0)
        base.setPointSize(font.Size);
    return base;
}

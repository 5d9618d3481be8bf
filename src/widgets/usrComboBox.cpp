#include "widgets/usrComboBox.h"

#include "widgets/PanelStyle.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>

usrComboBox::usrComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QComboBox::activated, this, [this](int index) {
        m_shownText.reset();
        update();
        emit selected(index);
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this] { m_shownText.reset(); });
}

void usrComboBox::setSelectedIndex(int index)
{
    if (index < -1 || index >= count())
        return;
    QComboBox::setCurrentIndex(index);
    // A repeated index changes nothing above, so the override would survive.
    m_shownText.reset();
    update();
    if (index >= 0)
        emit selected(index);
}

QString usrComboBox::text() const
{
    return m_shownText.value_or(currentText());
}

void usrComboBox::setText(const QString& text)
{
    m_shownText = text;
    update();
}

void usrComboBox::clear()
{
    QComboBox::clear();
    m_shownText.reset();
}

// 1695 x 330 twips: the list cell of the pad's layouts.
QSize usrComboBox::sizeHint() const { return {113, 22}; }
QSize usrComboBox::minimumSizeHint() const { return {32, 18}; }

void usrComboBox::showPopup()
{
    // Entries such as "3: name 60x/ 1.40 type" are wider than the pad's list
    // cell; the open list grows to show them whole.
    // The open list is made on first use and takes the box's font then.
    view()->window()->setFont(font());
    int widest = width();
    const QFontMetrics metrics(view()->font());
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(itemText(i)) + 4 * metrics.averageCharWidth());
    if (const QScreen* where = screen())
        widest = std::min(widest, where->availableGeometry().width());
    view()->setMinimumWidth(widest);
    QComboBox::showPopup();
}

void usrComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = ElidedText(option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

QString usrComboBox::ElidedText(const QStyleOptionComboBox& option) const
{
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    return fontMetrics().elidedText(text(), Qt::ElideRight, field.width());
}

bool usrComboBox::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QString whole = text();
        const bool cut = ElidedText(option) != whole;
        const QString tip = cut ? PanelStyle::fillTip(toolTip(), whole) : toolTip();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        return true;
    }
    return QComboBox::event(event);
}

void usrComboBox::changeEvent(QEvent* event)
{
    // At a font change Qt makes the open list only to hand it the font; most
    // of the pad's lists are never opened, and the open list takes the font
    // when it is first shown (showPopup).
    if (event->type() == QEvent::FontChange && !findChild<QAbstractItemView*>()) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

void usrComboBox::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

#include "pad/PadReadout.h"

#include "widgets/PanelStyle.h"

#include <QEvent>
#include <QPainter>

namespace {
// Inside the one-pixel border: the text's margin left and right.
constexpr int kMarginX = 3;
constexpr int kInsetX = kMarginX + 2;
constexpr int kInsetY = 1;
} // namespace

PadReadout::PadReadout(QWidget* parent) : QLineEdit(parent), m_Font(font())
{
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setFrame(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextMargins(kMarginX, 0, kMarginX, 0);
    connect(this, &QLineEdit::textChanged, this, [this] { Fit(); });
}

void PadReadout::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    // The thin border the tables' little height allows (a style frame would
    // need more); drawn here rather than by a style sheet, which would bring
    // the style-sheet machinery into the start-up.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}

void PadReadout::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    Fit();
}

void PadReadout::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && !m_Fitting) {
        m_Font = font();
        Fit();
    }
    QLineEdit::changeEvent(event);
}

void PadReadout::Fit()
{
    if (m_Fitting)
        return;
    m_Fitting = true;
    const QSizeF room(width() - 2 * kInsetX, height() - 2 * kInsetY);
    setFont(text().isEmpty() || room.isEmpty() ? m_Font : PanelStyle::fittedFont(m_Font, text(), room));
    m_Fitting = false;
}

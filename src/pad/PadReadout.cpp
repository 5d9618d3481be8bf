#include "pad/PadReadout.h"

#include "widgets/PanelStyle.h"

#include <QEvent>

namespace {
// Border and padding of the style sheet below, on each side.
constexpr int kInsetX = 5;
constexpr int kInsetY = 1;
} // namespace

PadReadout::PadReadout(QWidget* parent) : QLineEdit(parent), m_Font(font())
{
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setFrame(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setStyleSheet("QLineEdit { border: 1px solid palette(mid); border-radius: 2px;"
                  " background: palette(base); padding: 0 3px; }");
    connect(this, &QLineEdit::textChanged, this, [this] { Fit(); });
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

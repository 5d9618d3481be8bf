#include "widgets/usrMPButton.h"

#include <QPainter>

#include <algorithm>

usrMPButton::usrMPButton(QWidget* parent)
    : usrPButton(parent)
{
}

void usrMPButton::setState(int state)
{
    if (state < 1 || state > m_stateCount || state == m_state)
        return;
    m_state = state;
    update();
}

void usrMPButton::setStateCount(int count)
{
    m_stateCount = std::max(2, count);
    m_state = std::min(m_state, m_stateCount);
    update();
}

void usrMPButton::setStateText(int state, const QString& text)
{
    m_stateTexts.insert(state, text);
    update();
}

QString usrMPButton::stateText(int state) const
{
    return m_stateTexts.value(state, text());
}

void usrMPButton::setStateIcon(int state, const QIcon& icon)
{
    m_stateIcons.insert(state, icon);
    update();
}

QIcon usrMPButton::stateIcon(int state) const
{
    return m_stateIcons.value(state, icon());
}

// QAbstractButton calls this on every click just before it emits clicked().
void usrMPButton::nextCheckState()
{
    m_state = m_state >= m_stateCount ? 1 : m_state + 1;
    update();
}

QString usrMPButton::shownText() const { return stateText(m_state); }
QIcon usrMPButton::shownIcon() const { return stateIcon(m_state); }

bool usrMPButton::looksPressed() const
{
    return m_stateCount == 2 && m_state == 1;
}

double usrMPButton::indicatorHeight() const
{
    return std::clamp(height() / 8.0, 3.0, 6.0);
}

void usrMPButton::paintIndicator(QPainter& painter, const QRectF& strip) const
{
    if (m_stateCount == 2) {
        PanelStyle::paintLamp(painter, strip, m_state == 1, isEnabled());
        return;
    }
    // One pip per state; the lit one tells the state without reading a caption.
    const double gap = 2.0;
    const double pip = std::min(strip.height() * 1.6,
                                (strip.width() - gap * (m_stateCount - 1)) / m_stateCount);
    const double total = pip * m_stateCount + gap * (m_stateCount - 1);
    double x = strip.center().x() - total / 2;
    for (int s = 1; s <= m_stateCount; ++s, x += pip + gap)
        PanelStyle::paintLamp(painter, QRectF(x, strip.top(), pip, strip.height()), s == m_state, isEnabled());
}

#include "widgets/PanelStyle.h"

#include <QCursor>
#include <QEvent>
#include <QFontInfo>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

QColor PanelStyle::litColour() { return QColor(0x2e, 0xc4, 0x4f); }
QColor PanelStyle::litGlowColour() { return QColor(0x9c, 0xf0, 0xae); }
QColor PanelStyle::unlitColour() { return QColor(0x5d, 0x64, 0x6e); }
QColor PanelStyle::accentColour() { return QColor(0x2f, 0x7d, 0xd1); }

QColor PanelStyle::textColour(const QPalette& palette, bool enabled)
{
    return palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
}

void PanelStyle::paintFace(QPainter& painter, const QRectF& rect, const QPalette& palette,
                           const Face& face)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor base = palette.color(QPalette::Button);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (!face.enabled) {
        fill.setColorAt(0, base);
        fill.setColorAt(1, base);
    } else if (face.sunken) {
        fill.setColorAt(0, base.darker(128));
        fill.setColorAt(0.25, base.darker(116));
        fill.setColorAt(1, base.darker(108));
    } else {
        const QColor top = face.hovered ? base.lighter(112) : base.lighter(106);
        fill.setColorAt(0, top);
        fill.setColorAt(1, base.darker(110));
    }
    const double radius = std::min(3.0, r.height() / 4);
    QColor border = palette.color(QPalette::Shadow);
    border.setAlpha(face.enabled ? 150 : 70);
    if (face.focused && face.enabled)
        border = palette.color(QPalette::Highlight);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(r, radius, radius);
    if (face.enabled && !face.sunken) {
        // A thin highlight along the top edge reads as "raised".
        QColor shine = Qt::white;
        shine.setAlpha(150);
        painter.setPen(QPen(shine, 1));
        painter.drawLine(QPointF(r.left() + radius, r.top() + 1), QPointF(r.right() - radius, r.top() + 1));
    }
    painter.restore();
}

void PanelStyle::paintWell(QPainter& painter, const QRectF& rect, const QPalette& palette, bool enabled)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    QColor base = palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Base);
    QColor edge = palette.color(QPalette::Shadow);
    edge.setAlpha(enabled ? 140 : 60);
    painter.setPen(QPen(edge, 1));
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, base.darker(enabled ? 112 : 104));
    fill.setColorAt(0.35, base);
    fill.setColorAt(1, base);
    painter.setBrush(fill);
    const double radius = std::min(2.5, r.height() / 4);
    painter.drawRoundedRect(r, radius, radius);
    painter.restore();
}

void PanelStyle::paintLamp(QPainter& painter, const QRectF& rect, bool lit, bool enabled)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QColor core = lit ? litColour() : unlitColour();
    if (!enabled)
        core = lit ? litColour().lighter(150) : unlitColour().lighter(170);
    const double radius = std::min(rect.width(), rect.height()) / 2;
    if (lit && enabled) {
        // The glow spills a little around a lit lamp so that it reads at a glance.
        QColor glow = litGlowColour();
        glow.setAlpha(120);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawRoundedRect(rect.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
    }
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, lit ? core.lighter(125) : core.darker(110));
    fill.setColorAt(1, lit ? core : core.lighter(115));
    painter.setPen(QPen(core.darker(lit ? 140 : 125), 0.8));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

void PanelStyle::paintArrow(QPainter& painter, const QRectF& rect, Arrow arrow, const QColor& colour)
{
    // Sized by the box: as wide as it allows across the pointing direction,
    // never deeper than it is wide.
    const bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
    const double across = vertical ? rect.width() : rect.height();
    const double along = vertical ? rect.height() : rect.width();
    const double half = std::min(across, along * 1.6) * 0.42;
    const double depth = std::min(along * 0.42, half * 0.62);
    const QPointF c = rect.center();
    QPolygonF triangle;
    switch (arrow) {
    case Arrow::Up:
        triangle << QPointF(c.x() - half, c.y() + depth) << QPointF(c.x() + half, c.y() + depth)
                 << QPointF(c.x(), c.y() - depth);
        break;
    case Arrow::Down:
        triangle << QPointF(c.x() - half, c.y() - depth) << QPointF(c.x() + half, c.y() - depth)
                 << QPointF(c.x(), c.y() + depth);
        break;
    case Arrow::Left:
        triangle << QPointF(c.x() + depth, c.y() - half) << QPointF(c.x() + depth, c.y() + half)
                 << QPointF(c.x() - depth, c.y());
        break;
    case Arrow::Right:
        triangle << QPointF(c.x() - depth, c.y() - half) << QPointF(c.x() - depth, c.y() + half)
                 << QPointF(c.x() + depth, c.y());
        break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
    painter.restore();
}

void PanelStyle::paintFittedText(QPainter& painter, const QRectF& rect, const QString& text,
                                 QFont font, const QColor& colour, int alignment)
{
    if (text.isEmpty() || rect.isEmpty())
        return;
    font = fittedFont(font, text, rect.size());
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawText(rect, alignment, text);
    painter.restore();
}

QFont PanelStyle::fittedFont(QFont font, const QString& text, const QSizeF& room)
{
    const QRectF area(QPointF(0, 0), room);
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    for (;;) {
        font.setPointSizeF(points);
        const QRectF needed = QFontMetricsF(font).boundingRect(area, Qt::TextDontClip, text);
        if ((needed.width() <= room.width() + 0.5 && needed.height() <= room.height() + 0.5)
            || points <= MinimumPointSize)
            return font;
        points = std::max(MinimumPointSize, points - 0.5);
    }
}

QString PanelStyle::fillTip(const QString& tip, const QString& value)
{
    if (tip.contains(QLatin1String("%1")))
        return QString(tip).replace(QLatin1String("%1"), value);
    return tip.isEmpty() ? value : tip + QLatin1Char('\n') + value;
}

bool PanelStyle::showValueTip(QWidget* control, QEvent* event, const QString& text)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), fillTip(control->toolTip(), text), control);
    return true;
}

void PanelStyle::refreshValueTip(QWidget* control, const QString& text)
{
    if (QToolTip::isVisible() && control->underMouse())
        QToolTip::showText(QCursor::pos(), fillTip(control->toolTip(), text), control);
}

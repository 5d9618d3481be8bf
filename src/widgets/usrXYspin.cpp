#include "widgets/usrXYspin.h"

#include <QPainter>

#include <algorithm>

usrXYspin::usrXYspin(QWidget* parent)
    : SpinControl(2, parent)
{
}

// 450 x 450 twips: the XY cell of the pad's layouts.
QSize usrXYspin::sizeHint() const { return {30, 30}; }
QSize usrXYspin::minimumSizeHint() const { return {18, 18}; }

double usrXYspin::padWidth() const
{
    return height();
}

QRectF usrXYspin::square(const QRectF& pad)
{
    const double side = std::min(pad.width(), pad.height());
    return QRectF(pad.center().x() - side / 2, pad.center().y() - side / 2, side, side);
}

QPainterPath usrXYspin::centre(const QRectF& pad)
{
    const QRectF s = square(pad);
    const double radius = s.width() * 0.13;
    QPainterPath dot;
    dot.addEllipse(s.center(), radius, radius);
    return dot;
}

// One square face cut along its diagonals into four quadrants, one per
// direction; the small disc in the middle does nothing.
QVector<SpinControl::Part> usrXYspin::parts(const QRectF& pad) const
{
    const QRectF s = square(pad);
    const QPointF c = s.center();
    const QPainterPath middle = centre(pad);
    const auto quadrant = [&](QPointF a, QPointF b) {
        QPainterPath shape;
        shape.moveTo(a);
        shape.lineTo(b);
        shape.lineTo(c);
        shape.closeSubpath();
        return shape.subtracted(middle);
    };
    // Arrow boxes sit halfway between the edge and the centre disc.
    const double across = s.width() * 0.36;
    const double along = s.width() * 0.22;
    const double offset = s.width() * 0.29;
    const QRectF upBox(c.x() - across / 2, c.y() - offset - along / 2, across, along);
    const QRectF downBox(c.x() - across / 2, c.y() + offset - along / 2, across, along);
    const QRectF leftBox(c.x() - offset - along / 2, c.y() - across / 2, along, across);
    const QRectF rightBox(c.x() + offset - along / 2, c.y() - across / 2, along, across);
    return {
        {AxisY, 1, quadrant(s.topLeft(), s.topRight()), s, upBox, PanelStyle::Arrow::Up},
        {AxisY, -1, quadrant(s.bottomRight(), s.bottomLeft()), s, downBox, PanelStyle::Arrow::Down},
        {AxisX, -1, quadrant(s.bottomLeft(), s.topLeft()), s, leftBox, PanelStyle::Arrow::Left},
        {AxisX, 1, quadrant(s.topRight(), s.bottomRight()), s, rightBox, PanelStyle::Arrow::Right},
    };
}

void usrXYspin::paintPadOverlay(QPainter& painter, const QRectF& pad) const
{
    const QRectF s = square(pad).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QColor divider = palette().color(QPalette::Shadow);
    divider.setAlpha(isEnabled() ? 90 : 40);
    painter.setPen(QPen(divider, 1));
    painter.drawLine(s.topLeft(), s.bottomRight());
    painter.drawLine(s.topRight(), s.bottomLeft());
    painter.setBrush(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base));
    painter.drawPath(centre(pad));
    painter.restore();
}

#include "widgets/usrZspin.h"

#include <algorithm>

usrZspin::usrZspin(QWidget* parent)
    : SpinControl(1, parent)
{
}

// 300 x 495 twips: the Z cell of the pad's layouts.
QSize usrZspin::sizeHint() const { return {20, 33}; }
QSize usrZspin::minimumSizeHint() const { return {12, 16}; }

double usrZspin::padWidth() const
{
    return std::max(14.0, height() * 0.6);
}

QVector<SpinControl::Part> usrZspin::parts(const QRectF& pad) const
{
    const double half = pad.height() / 2;
    const QRectF up(pad.left(), pad.top(), pad.width(), half);
    const QRectF down(pad.left(), pad.top() + half, pad.width(), pad.height() - half);
    const auto part = [](int direction, const QRectF& face, PanelStyle::Arrow arrow) {
        QPainterPath shape;
        shape.addRect(face);
        const double inset = std::min(face.width(), face.height()) * 0.2;
        return Part{0, direction, shape, face, face.adjusted(inset, inset, -inset, -inset), arrow};
    };
    return {part(1, up, PanelStyle::Arrow::Up), part(-1, down, PanelStyle::Arrow::Down)};
}

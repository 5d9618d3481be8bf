#include "SplashPicture.h"

#include <algorithm>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace SplashPicture {
namespace {

const QColor PanelTop(24, 32, 44);
const QColor PanelBottom(10, 14, 20);
const QColor Grid(255, 255, 255, 10);
const QColor Edge(150, 172, 196);
const QColor BodyLight(70, 84, 102);
const QColor BodyDark(36, 44, 56);
const QColor Beam(110, 220, 255);
const QColor Excitation(120, 255, 160);
const QColor Accent(255, 176, 64);

QPixmap Canvas(QSize size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A part of the stand: a shaded body with a light edge.
void Part(QPainter& p, const QPainterPath& path)
{
    const QRectF box = path.boundingRect();
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0, BodyLight);
    shade.setColorAt(1, BodyDark);
    p.setBrush(shade);
    p.setPen(QPen(Edge, 1.2));
    p.drawPath(path);
}

void Part(QPainter& p, const QRectF& rect, qreal radius = 3)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    Part(p, path);
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A soft beam of light between two points.
void Ray(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width)
{
    for (int pass = 3; pass >= 1; --pass) {
        QColor c = colour;
        c.setAlpha(pass == 1 ? 230 : 40 / pass);
        p.setPen(QPen(c, width * pass * (pass == 1 ? 0.5 : 1.4), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
    }
}

void Lamp(QPainter& p, QPointF centre, const QColor& colour, bool lit)
{
    if (lit) {
        QRadialGradient glow(centre, 9);
        QColor halo = colour;
        halo.setAlpha(90);
        glow.setColorAt(0, halo);
        glow.setColorAt(1, Qt::transparent);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, 9, 9);
    }
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(lit ? colour : colour.darker(420));
    p.drawEllipse(centre, 3.2, 3.2);
}

void Backdrop(QPainter& p, const QSizeF& size)
{
    QLinearGradient panel(0, 0, 0, size.height());
    panel.setColorAt(0, PanelTop);
    panel.setColorAt(1, PanelBottom);
    p.fillRect(QRectF(QPointF(0, 0), size), panel);

    p.setPen(QPen(Grid, 1));
    for (qreal x = 12; x < size.width(); x += 24)
        p.drawLine(QPointF(x, 0), QPointF(x, size.height()));
    for (qreal y = 12; y < size.height(); y += 24)
        p.drawLine(QPointF(0, y), QPointF(size.width(), y));

    // A light pool behind the instrument.
    QRadialGradient pool(QPointF(size.width() * 0.74, size.height() * 0.52), size.height() * 0.62);
    pool.setColorAt(0, QColor(60, 110, 150, 70));
    pool.setColorAt(1, Qt::transparent);
    p.fillRect(QRectF(QPointF(0, 0), size), pool);
}

// Scale ticks and status lamps along the lower left, as on a front panel.
void Panel(QPainter& p, const QSizeF& size)
{
    const qreal base = size.height() - 54;
    p.setPen(QPen(QColor(Edge.red(), Edge.green(), Edge.blue(), 120), 1));
    for (int i = 0; i <= 40; ++i) {
        const qreal x = 30 + i * 5.5;
        const qreal length = i % 10 == 0 ? 10 : (i % 5 == 0 ? 6 : 3);
        p.drawLine(QPointF(x, base), QPointF(x, base - length));
    }
    p.drawLine(QPointF(30, base), QPointF(30 + 40 * 5.5, base));
    QColor marker = Accent;
    p.setPen(Qt::NoPen);
    p.setBrush(marker);
    p.drawPolygon(QPolygonF({QPointF(30 + 26 * 5.5, base + 2), QPointF(30 + 26 * 5.5 - 4, base + 9),
                             QPointF(30 + 26 * 5.5 + 4, base + 9)}));

    const QColor colours[] = {Excitation, Beam, Accent, QColor(255, 90, 80), Excitation};
    const bool lit[] = {true, true, false, false, true};
    for (int i = 0; i < 5; ++i)
        Lamp(p, QPointF(36 + i * 18, size.height() - 24), colours[i], lit[i]);
}

// An inverted stand seen from the side: the light comes from above through
// the condenser, the objectives look up at the specimen from below.
void Microscope(QPainter& p, const QSizeF& size)
{
    p.save();
    p.translate(size.width() - 268, size.height() - 270);

    const qreal axis = 118; // optical axis
    // Light and the excitation path first, so the stand covers their ends.
    Ray(p, QPointF(axis, 60), QPointF(axis, 196), Beam, 3.0);
    Ray(p, QPointF(236, 196), QPointF(axis, 196), Excitation, 2.4);

    // The epi lamp house behind the pillar, feeding the excitation path.
    Part(p, QRectF(222, 182, 30, 28), 6);
    Part(p, QRectF(218, 190, 8, 12), 2);

    // Base and foot.
    Part(p, QRectF(22, 226, 210, 24), 6);
    Part(p, QRectF(10, 244, 236, 8), 3);
    // Rear pillar and the arm with the lamp house.
    Part(p, QRectF(196, 44, 24, 184), 4);
    Part(p, QRectF(96, 40, 124, 18), 5);
    Part(p, QRectF(176, 14, 54, 30), 8);
    // Lamp-house vents.
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.4));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(186 + i * 10, 20), QPointF(186 + i * 10, 38));
    // Condenser hanging from the arm.
    Part(p, Polygon({QPointF(104, 58), QPointF(132, 58), QPointF(126, 92), QPointF(110, 92)}));
    Part(p, QRectF(100, 92, 36, 8), 2);

    // Stage with the specimen.
    Part(p, QRectF(36, 120, 180, 12), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 230, 255, 150));
    p.drawRect(QRectF(92, 116, 52, 4));
    p.setBrush(PanelBottom);
    p.drawRect(QRectF(axis - 8, 120, 16, 12));
    Ray(p, QPointF(axis, 110), QPointF(axis, 132), Beam, 2.4);

    // Nosepiece: three objectives on a tilted turret below the stage.
    Part(p, Polygon({QPointF(78, 172), QPointF(158, 162), QPointF(160, 172), QPointF(80, 182)}));
    Part(p, Polygon({QPointF(110, 162), QPointF(126, 162), QPointF(123, 140), QPointF(113, 140)}));
    Part(p, Polygon({QPointF(84, 172), QPointF(98, 170), QPointF(88, 150), QPointF(80, 152)}));
    Part(p, Polygon({QPointF(140, 166), QPointF(154, 164), QPointF(158, 146), QPointF(150, 144)}));
    p.setPen(QPen(Accent, 1.6));
    p.drawLine(QPointF(113.5, 146), QPointF(122.5, 146));

    // Body with the filter turret, and the binocular tube at the front.
    Part(p, QRectF(52, 184, 150, 44), 5);
    Part(p, Polygon({QPointF(60, 198), QPointF(24, 132), QPointF(2, 142), QPointF(38, 208)}));
    Part(p, QRectF(-6, 124, 30, 12), 3);
    // Focus knob.
    QRadialGradient knob(QPointF(176, 208), 14);
    knob.setColorAt(0, BodyLight.lighter(130));
    knob.setColorAt(1, BodyDark);
    p.setBrush(knob);
    p.setPen(QPen(Edge, 1.2));
    p.drawEllipse(QPointF(176, 208), 13, 13);
    p.drawEllipse(QPointF(176, 208), 5, 5);
    // Filter turret window.
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.setBrush(QColor(16, 22, 30));
    p.drawRoundedRect(QRectF(96, 194, 44, 20), 3, 3);
    Lamp(p, QPointF(106, 204), Excitation, true);
    Lamp(p, QPointF(118, 204), Beam, false);
    Lamp(p, QPointF(130, 204), Accent, false);

    p.restore();
}

} // namespace

QPixmap Background(QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap = Canvas(size, devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    Backdrop(p, size);
    Panel(p, size);
    Microscope(p, size);
    return pixmap;
}

QPixmap Title(QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap = Canvas(size, devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The regular face made heavy by a stroke of its own fill: a bold face
    // would be one more font file to load and keep for a single word.
    QFont name("Sans Serif");
    name.setPixelSize(44);
    name.setLetterSpacing(QFont::PercentageSpacing, 100);
    QPainterPath text;
    text.addText(QPointF(2, 50), name, "ZoControl");
    QLinearGradient fill(0, 12, 0, 52);
    fill.setColorAt(0, QColor(236, 244, 252));
    fill.setColorAt(1, QColor(150, 196, 232));
    p.setPen(QPen(QColor(0, 0, 0, 120), 4.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text.translated(0, 2));
    p.setPen(QPen(QBrush(fill), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(text);

    p.setPen(QPen(Accent, 2));
    p.drawLine(QPointF(4, 62), QPointF(64, 62));
    p.setPen(QPen(QColor(Edge.red(), Edge.green(), Edge.blue(), 110), 1));
    p.drawLine(QPointF(68, 62), QPointF(size.width() - 10, 62));

    QFont caption("Sans Serif");
    caption.setPixelSize(11);
    caption.setLetterSpacing(QFont::AbsoluteSpacing, 2.4);
    p.setFont(caption);
    p.setPen(QColor(170, 190, 210));
    p.drawText(QPointF(4, 82), "MICROSCOPE CONTROL PAD");
    return pixmap;
}

QColor TextColour()
{
    return {170, 190, 210};
}

void PaintProgress(QPainter& painter, const QRect& rect, double fraction)
{
    painter.fillRect(rect, PanelBottom);
    const int filled = static_cast<int>(rect.width() * std::clamp(fraction, 0.0, 1.0) + 0.5);
    if (filled > 0) {
        QLinearGradient chunk(rect.left(), 0, rect.left() + filled, 0);
        chunk.setColorAt(0, QColor(44, 143, 192));
        chunk.setColorAt(1, Beam);
        painter.fillRect(QRect(rect.left(), rect.top() + 1, filled, rect.height() - 1), chunk);
    }
    painter.setPen(QColor(42, 52, 66));
    painter.drawLine(rect.topLeft(), rect.topRight());
}

} // namespace SplashPicture

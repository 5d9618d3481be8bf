#include "widgets/SpinControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>


SpinControl::SpinControl(int axisCount, QWidget* parent)
    : QWidget(parent)
    , m_axes(axisCount)
    , m_repeat(this)
{
    setAttribute(Qt::WA_Hover, true);
    setFocusPolicy(Qt::NoFocus);
}

double SpinControl::position(int axis) const { return validAxis(axis) ? m_axes[axis].value.value() : 0.0; }
double SpinControl::step(int axis) const { return validAxis(axis) ? m_axes[axis].value.step() : 0.0; }
double SpinControl::minimum(int axis) const { return validAxis(axis) ? m_axes[axis].value.minimum() : 0.0; }
double SpinControl::maximum(int axis) const { return validAxis(axis) ? m_axes[axis].value.maximum() : 0.0; }
QString SpinControl::caption(int axis) const { return validAxis(axis) ? m_axes[axis].caption : QString(); }

void SpinControl::setPosition(int axis, double position)
{
    if (!validAxis(axis) || !m_axes[axis].value.setValue(position))
        return;
    update();
    PanelStyle::refreshValueTip(this, readoutText());
}

void SpinControl::setStep(int axis, double step)
{
    if (validAxis(axis))
        m_axes[axis].value.setStep(step);
}

void SpinControl::setMinimum(int axis, double minimum)
{
    if (validAxis(axis)) {
        m_axes[axis].value.setMinimum(minimum);
        update();
    }
}

void SpinControl::setMaximum(int axis, double maximum)
{
    if (validAxis(axis)) {
        m_axes[axis].value.setMaximum(maximum);
        update();
    }
}

void SpinControl::setCaption(int axis, const QString& caption)
{
    if (validAxis(axis)) {
        m_axes[axis].caption = caption;
        update();
    }
}

QString SpinControl::readoutText() const
{
    QStringList lines;
    for (const Axis& axis : m_axes)
        lines << axis.caption + QString::fromStdString(RealValue::format(axis.value.value()));
    return lines.join(QLatin1Char('\n'));
}

void SpinControl::stepPart(int axis, int direction)
{
    if (!m_axes[axis].value.stepBy(direction))
        return;
    update();
    emit stepped(axis, direction, m_axes[axis].value.value());
}

void SpinControl::press(int axis, int direction)
{
    if (!validAxis(axis) || (direction != 1 && direction != -1) || !isEnabled())
        return;
    const QVector<Part> all = parts(padRect());
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].axis == axis && all[i].direction == direction)
            m_flashPart = i;
    }
    // The part lights up briefly, so a step started from the keyboard shows.
    update();
    QTimer::singleShot(FlashMs, this, [this] {
        m_flashPart = -1;
        update();
    });
    stepPart(axis, direction);
    emit pressEnded(axis, direction);
}

QRectF SpinControl::padRect() const
{
    const double width = std::min(padWidth(), double(rect().width()));
    // Without room for a readout the parts take the whole control.
    if (rect().width() - width < MinimumReadoutWidth)
        return QRectF(rect());
    return QRectF(rect().right() + 1 - width, 0, width, rect().height());
}

QRectF SpinControl::readoutRect() const
{
    const QRectF pad = padRect();
    if (pad.left() <= 0)
        return {};
    return QRectF(0, 0, pad.left() - 2, rect().height());
}

int SpinControl::partAt(const QPointF& pos) const
{
    const QVector<Part> all = parts(padRect());
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].shape.contains(pos))
            return i;
    }
    return -1;
}

void SpinControl::mousePressEvent(QMouseEvent* event)
{
    const int part = event->button() == Qt::LeftButton ? partAt(event->position()) : -1;
    if (part < 0) {
        event->ignore();
        return;
    }
    m_pressedPart = part;
    const Part pressed = parts(padRect())[part];
    update();
    stepPart(pressed.axis, pressed.direction);
    m_repeat.start([this, pressed] { stepPart(pressed.axis, pressed.direction); });
}

void SpinControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_pressedPart < 0)
        return;
    const Part pressed = parts(padRect())[m_pressedPart];
    endPress();
    emit pressEnded(pressed.axis, pressed.direction);
}

void SpinControl::endPress()
{
    m_repeat.stop();
    m_pressedPart = -1;
    update();
}

void SpinControl::changeEvent(QEvent* event)
{
    // Disabled under the pointer (the pad disables itself while it sends a
    // command): the release never comes, so the repeat must stop here.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        endPress();
    QWidget::changeEvent(event);
}

bool SpinControl::event(QEvent* event)
{
    return PanelStyle::showValueTip(this, event, readoutText()) || QWidget::event(event);
}

void SpinControl::paintPadOverlay(QPainter&, const QRectF&) const {}

void SpinControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool enabled = isEnabled();
    const QPalette& pal = palette();

    const QRectF readout = readoutRect();
    if (!readout.isEmpty()) {
        PanelStyle::paintWell(painter, readout, pal, enabled);
        PanelStyle::paintFittedText(painter, readout.adjusted(4, 1, -3, -1), readoutText(), font(),
                                    pal.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text),
                                    Qt::AlignVCenter | Qt::AlignLeft);
    }

    const QRectF pad = padRect();
    const QVector<Part> all = parts(pad);
    const QColor ink = PanelStyle::textColour(pal, enabled);
    for (int i = 0; i < all.size(); ++i) {
        const Part& part = all[i];
        PanelStyle::Face face;
        face.enabled = enabled;
        face.sunken = i == m_pressedPart || i == m_flashPart;
        painter.save();
        painter.setClipPath(part.shape);
        PanelStyle::paintFace(painter, part.face, pal, face);
        painter.restore();
        PanelStyle::paintArrow(painter, face.sunken ? part.arrowBox.translated(0.5, 0.5) : part.arrowBox,
                               part.arrow, ink);
    }
    paintPadOverlay(painter, pad);
}

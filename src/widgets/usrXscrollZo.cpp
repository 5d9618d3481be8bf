#include "widgets/usrXscrollZo.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "widgets/PanelStyle.h"

usrXscrollZo::usrXscrollZo(QWidget* parent)
    : QWidget(parent)
    , m_repeat(this)
{
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover, true);
}

// 1440 x 255 twips: the bar cell of the pad's layouts.
QSize usrXscrollZo::sizeHint() const { return {96, 17}; }
QSize usrXscrollZo::minimumSizeHint() const { return {40, 12}; }

void usrXscrollZo::setValue(double value)
{
    if (!m_value.setValue(value))
        return;
    update();
    PanelStyle::refreshValueTip(this, valueText());
}

QString usrXscrollZo::valueText() const
{
    return QString::fromStdString(RealValue::format(value()));
}

void usrXscrollZo::setMinimum(double minimum)
{
    m_value.setMinimum(minimum);
    update();
}

void usrXscrollZo::setMaximum(double maximum)
{
    m_value.setMaximum(maximum);
    update();
}

void usrXscrollZo::setSmallStep(double step)
{
    m_value.setStep(step);
}

usrXscrollZo::Geometry usrXscrollZo::geometry() const
{
    const QRectF all(rect());
    const double arrow = std::min(all.height(), all.width() / 4);
    Geometry g;
    g.less = QRectF(all.left(), all.top(), arrow, all.height());
    g.more = QRectF(all.right() - arrow, all.top(), arrow, all.height());
    g.track = QRectF(g.less.right(), all.top(), g.more.left() - g.less.right(), all.height());
    const double thumbWidth = std::clamp(all.height() * 0.9, 8.0, std::max(8.0, g.track.width() / 2));
    const double travel = std::max(0.0, g.track.width() - thumbWidth);
    g.thumb = QRectF(g.track.left() + m_value.fraction() * travel, all.top(), thumbWidth, all.height());
    return g;
}

usrXscrollZo::Part usrXscrollZo::partAt(const QPointF& pos) const
{
    const Geometry g = geometry();
    if (g.less.contains(pos))
        return Part::Less;
    if (g.more.contains(pos))
        return Part::More;
    if (g.thumb.contains(pos))
        return Part::Thumb;
    if (g.track.contains(pos))
        return pos.x() < g.thumb.left() ? Part::PageLess : Part::PageMore;
    return Part::None;
}

double usrXscrollZo::valueAtThumbLeft(double thumbLeft) const
{
    const Geometry g = geometry();
    const double travel = g.track.width() - g.thumb.width();
    return travel > 0 ? m_value.valueAtFraction((thumbLeft - g.track.left()) / travel) : m_value.value();
}

// A track click moves a tenth of the range, at least one small step.
int usrXscrollZo::pageSteps() const
{
    if (m_value.step() <= 0)
        return 0;
    const double tenth = (m_value.maximum() - m_value.minimum()) / 10;
    return std::max(1, static_cast<int>(std::lround(tenth / m_value.step())));
}

void usrXscrollZo::userAct(const std::function<bool()>& action)
{
    if (!action())
        return;
    update();
    emit changed(m_value.value());
    emit valueChosen(m_value.value());
}

void usrXscrollZo::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = partAt(event->position());
    m_valueAtPress = m_value.value();
    switch (m_pressed) {
    case Part::Less:
    case Part::More: {
        const int direction = m_pressed == Part::More ? 1 : -1;
        auto step = [this, direction] { return m_value.stepBy(direction); };
        userAct(step);
        m_repeat.start([this, step] { userAct(step); });
        break;
    }
    case Part::PageLess:
    case Part::PageMore: {
        const Geometry g = geometry();
        const double target = valueAtThumbLeft(event->position().x() - g.thumb.width() / 2);
        auto page = [this, target] { return m_value.stepTowards(target, pageSteps()); };
        userAct(page);
        m_repeat.start([this, page] { userAct(page); });
        break;
    }
    case Part::Thumb:
        m_grabOffset = event->position().x() - geometry().thumb.left();
        break;
    case Part::None:
        break;
    }
    update();
}

void usrXscrollZo::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed != Part::Thumb)
        return;
    if (m_value.setValue(valueAtThumbLeft(event->position().x() - m_grabOffset))) {
        update();
        emit scrolled(m_value.value());
        emit valueChosen(m_value.value());
    }
}

void usrXscrollZo::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_pressed == Part::None)
        return;
    const bool dragged = m_pressed == Part::Thumb;
    endPress();
    if (dragged && m_value.value() != m_valueAtPress)
        emit changed(m_value.value());
    emit mouseReleased(m_value.value());
}

void usrXscrollZo::endPress()
{
    m_repeat.stop();
    m_pressed = Part::None;
    update();
}

void usrXscrollZo::changeEvent(QEvent* event)
{
    // A bar disabled under the pointer never sees the release.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        endPress();
    QWidget::changeEvent(event);
}

void usrXscrollZo::keyPressEvent(QKeyEvent* event)
{
    const int pages = pageSteps();
    switch (event->key()) {
    case Qt::Key_Left:
        userAct([this] { return m_value.stepBy(-1); });
        break;
    case Qt::Key_Right:
        userAct([this] { return m_value.stepBy(1); });
        break;
    case Qt::Key_PageUp:
        userAct([this, pages] { return m_value.stepTowards(m_value.minimum(), pages); });
        break;
    case Qt::Key_PageDown:
        userAct([this, pages] { return m_value.stepTowards(m_value.maximum(), pages); });
        break;
    case Qt::Key_Home:
        userAct([this] { return m_value.setValue(m_value.minimum()); });
        break;
    case Qt::Key_End:
        userAct([this] { return m_value.setValue(m_value.maximum()); });
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool usrXscrollZo::event(QEvent* event)
{
    return PanelStyle::showValueTip(this, event, valueText())
        || QWidget::event(event);
}

void usrXscrollZo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool enabled = isEnabled();
    const Geometry g = geometry();
    const QPalette& pal = palette();

    PanelStyle::paintWell(painter, g.track.adjusted(-1, 0, 1, 0), pal, enabled);
    if (enabled && m_value.fraction() > 0) {
        // The filled part of the track shows the level at a glance.
        QColor level = PanelStyle::accentColour();
        level.setAlpha(110);
        const QRectF filled(g.track.left() + 1, g.track.top() + 3,
                            std::max(0.0, g.thumb.center().x() - g.track.left() - 1), g.track.height() - 6);
        painter.fillRect(filled, level);
    }

    const QColor ink = PanelStyle::textColour(pal, enabled);
    const auto paintArrowButton = [&](const QRectF& area, Part part, PanelStyle::Arrow arrow) {
        PanelStyle::Face face;
        face.enabled = enabled;
        face.sunken = m_pressed == part;
        PanelStyle::paintFace(painter, area, pal, face);
        PanelStyle::paintArrow(painter, area.adjusted(3, 3, -3, -3), arrow, ink);
    };
    paintArrowButton(g.less, Part::Less, PanelStyle::Arrow::Left);
    paintArrowButton(g.more, Part::More, PanelStyle::Arrow::Right);

    PanelStyle::Face thumbFace;
    thumbFace.enabled = enabled;
    thumbFace.sunken = m_pressed == Part::Thumb;
    thumbFace.hovered = underMouse();
    thumbFace.focused = hasFocus();
    PanelStyle::paintFace(painter, g.thumb, pal, thumbFace);
    // Grip lines make the thumb read as something to take hold of.
    QColor grip = ink;
    grip.setAlpha(enabled ? 120 : 50);
    painter.setPen(QPen(grip, 1));
    const double cx = std::floor(g.thumb.center().x()) + 0.5;
    const double top = g.thumb.top() + g.thumb.height() * 0.3;
    const double bottom = g.thumb.bottom() - g.thumb.height() * 0.3;
    for (int i = -1; i <= 1; ++i)
        painter.drawLine(QPointF(cx + 2 * i, top), QPointF(cx + 2 * i, bottom));
}

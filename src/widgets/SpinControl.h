#pragma once

#include <QPainterPath>
#include <QString>
#include <QVector>
#include <QWidget>

#include "widgets/AutoRepeat.h"
#include "widgets/PanelStyle.h"
#include "widgets/RealValue.h"

// What the two spin controls share: one or more axes, each a real position
// with a step, limits and a caption; an up and a down part per axis; the
// position readout.
//
// Pressing a part moves that axis by its step (clamped to the limits) and
// raises stepped(axis, direction, position) when the position changed; held
// down, the part repeats. Letting go raises pressEnded(axis, direction), once
// per press, whether or not the position could move. press() does the same
// from code, as the keyboard functions need. Positions set from code raise
// nothing. The readout ("caption position" per axis) is drawn beside the parts
// when the control is wide enough, and shown as a tooltip in any case.
class SpinControl : public QWidget {
    Q_OBJECT
public:
    int axisCount() const { return static_cast<int>(m_axes.size()); }

    double position(int axis) const;
    void setPosition(int axis, double position);
    double step(int axis) const;
    void setStep(int axis, double step);
    double minimum(int axis) const;
    void setMinimum(int axis, double minimum);
    double maximum(int axis) const;
    void setMaximum(int axis, double maximum);
    QString caption(int axis) const;
    void setCaption(int axis, const QString& caption);

    // As if the user pressed and let go of the part of this axis and
    // direction (+1 up or plus, -1 down or minus). A disabled control, like a
    // disabled part under the mouse, does nothing.
    void press(int axis, int direction);

    QString readoutText() const;

signals:
    void stepped(int axis, int direction, double position);
    void pressEnded(int axis, int direction);

protected:
    // A part is painted as the face `face` cut to `shape` (parts may share
    // one face, as the four quadrants of the XY cross do) with its arrow in
    // `arrowBox`; a press inside `shape` presses it.
    struct Part {
        int axis = 0;
        int direction = 1;
        QPainterPath shape;
        QRectF face;
        QRectF arrowBox;
        PanelStyle::Arrow arrow = PanelStyle::Arrow::Up;
    };

    SpinControl(int axisCount, QWidget* parent);

    // The square or column that holds the parts, at the right of the control.
    virtual double padWidth() const = 0;
    virtual QVector<Part> parts(const QRectF& pad) const = 0;
    // Drawn over the parts (the XY control's dividers and centre).
    virtual void paintPadOverlay(QPainter& painter, const QRectF& pad) const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Axis {
        RealValue value;
        QString caption;
    };
    static constexpr double MinimumReadoutWidth = 28.0;
    static constexpr int FlashMs = 150;

    QRectF padRect() const;
    QRectF readoutRect() const;
    int partAt(const QPointF& pos) const;
    void stepPart(int axis, int direction);
    void endPress();
    bool validAxis(int axis) const { return axis >= 0 && axis < axisCount(); }

    QVector<Axis> m_axes;
    int m_pressedPart = -1;
    int m_flashPart = -1;
    AutoRepeat m_repeat;
};

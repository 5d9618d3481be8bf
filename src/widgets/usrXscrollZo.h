#pragma once

#include <QWidget>

#include "widgets/AutoRepeat.h"
#include "widgets/RealValue.h"

// A horizontal scroll bar whose value is a real number: arrows at both ends
// move by the small step, a click on the track pages towards the pointer, the
// thumb can be dragged (on the grid minimum + k * small step).
//
// Three notifications, only ever raised by the user, never by setValue() or
// the limits from code (the pad writes device positions into its bars while
// the device moves; echoing those would send the device back to where it was
// a moment ago):
//   changed(value)       the value was changed by an arrow, the track, a key,
//                        or at the end of a thumb drag that moved it;
//   scrolled(value)      the thumb is being dragged to a new value;
//   mouseReleased(value) the mouse button was let go after a press on the bar.
// For a caller that turns values into commands, valueChosen(value) comes once
// per new value the user chose: an arrow, the track or a key step, each new
// thumb position of a drag; not the end of a drag or the release, which bring
// no new value.
//
// Its tooltip shows its value (in place of "%1", or on a line of its own) and
// follows it while it is up.
class usrXscrollZo : public QWidget {
    Q_OBJECT
public:
    explicit usrXscrollZo(QWidget* parent = nullptr);

    double value() const { return m_value.value(); }
    void setValue(double value);
    double minimum() const { return m_value.minimum(); }
    void setMinimum(double minimum);
    double maximum() const { return m_value.maximum(); }
    void setMaximum(double maximum);
    double smallStep() const { return m_value.step(); }
    void setSmallStep(double step);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void changed(double value);
    void scrolled(double value);
    void mouseReleased(double value);
    void valueChosen(double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class Part { None, Less, More, PageLess, PageMore, Thumb };
    struct Geometry {
        QRectF less, more, track, thumb;
    };
    Geometry geometry() const;
    Part partAt(const QPointF& pos) const;
    double valueAtThumbLeft(double thumbLeft) const;
    int pageSteps() const;
    // One user action: apply it and raise changed() when the value moved.
    void userAct(const std::function<bool()>& action);
    void endPress();
    QString valueText() const;

    RealValue m_value{0.0, 100.0, 1.0};
    Part m_pressed = Part::None;
    double m_grabOffset = 0.0;
    double m_valueAtPress = 0.0;
    AutoRepeat m_repeat;
};

#pragma once

#include "widgets/SpinControl.h"

// The one-axis spin control (focus, piezo): an up and a down part, the axis's
// position, step, limits and caption. Events as SpinControl, always axis 0.
class usrZspin : public SpinControl {
    Q_OBJECT
public:
    explicit usrZspin(QWidget* parent = nullptr);

    double position() const { return SpinControl::position(0); }
    void setPosition(double value) { SpinControl::setPosition(0, value); }
    double step() const { return SpinControl::step(0); }
    void setStep(double value) { SpinControl::setStep(0, value); }
    double minimum() const { return SpinControl::minimum(0); }
    void setMinimum(double value) { SpinControl::setMinimum(0, value); }
    double maximum() const { return SpinControl::maximum(0); }
    void setMaximum(double value) { SpinControl::setMaximum(0, value); }
    QString caption() const { return SpinControl::caption(0); }
    void setCaption(const QString& text) { SpinControl::setCaption(0, text); }

    void pressUp() { press(0, 1); }
    void pressDown() { press(0, -1); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    double padWidth() const override;
    QVector<Part> parts(const QRectF& pad) const override;
};

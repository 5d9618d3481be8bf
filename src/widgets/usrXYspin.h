#pragma once

#include "widgets/SpinControl.h"

// The two-axis spin control (stage X and Y): four parts around a centre, up
// and down for Y, right (plus) and left (minus) for X; per axis a position, step,
// limits and caption. Events as SpinControl with axis X (0) or Y (1).
class usrXYspin : public SpinControl {
    Q_OBJECT
public:
    static constexpr int AxisX = 0;
    static constexpr int AxisY = 1;

    explicit usrXYspin(QWidget* parent = nullptr);

    double xPosition() const { return position(AxisX); }
    void setXPosition(double value) { setPosition(AxisX, value); }
    double yPosition() const { return position(AxisY); }
    void setYPosition(double value) { setPosition(AxisY, value); }
    double xStep() const { return step(AxisX); }
    void setXStep(double value) { setStep(AxisX, value); }
    double yStep() const { return step(AxisY); }
    void setYStep(double value) { setStep(AxisY, value); }
    double xMinimum() const { return minimum(AxisX); }
    void setXMinimum(double value) { setMinimum(AxisX, value); }
    double xMaximum() const { return maximum(AxisX); }
    void setXMaximum(double value) { setMaximum(AxisX, value); }
    double yMinimum() const { return minimum(AxisY); }
    void setYMinimum(double value) { setMinimum(AxisY, value); }
    double yMaximum() const { return maximum(AxisY); }
    void setYMaximum(double value) { setMaximum(AxisY, value); }
    QString xCaption() const { return caption(AxisX); }
    void setXCaption(const QString& text) { setCaption(AxisX, text); }
    QString yCaption() const { return caption(AxisY); }
    void setYCaption(const QString& text) { setCaption(AxisY, text); }

    void pressXUp() { press(AxisX, 1); }
    void pressXDown() { press(AxisX, -1); }
    void pressYUp() { press(AxisY, 1); }
    void pressYDown() { press(AxisY, -1); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    double padWidth() const override;
    QVector<Part> parts(const QRectF& pad) const override;
    void paintPadOverlay(QPainter& painter, const QRectF& pad) const override;

private:
    static QRectF square(const QRectF& pad);
    static QPainterPath centre(const QRectF& pad);
};

#pragma once

#include <QFont>
#include <QLineEdit>

// A position readout of the pad ("Y: -11227.1 µm"): read-only, flat and
// aligned right. The layouts leave it little room, so its font shrinks as far
// as the whole text needs; a long position never loses its caption.
class PadReadout : public QLineEdit {
    Q_OBJECT
public:
    explicit PadReadout(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Fit();

    QFont m_Font; // the font it was given; the one shown may be smaller
    bool m_Fitting = false;
};

#pragma once

#include <QAbstractButton>

#include "widgets/PanelStyle.h"

// The pad's push button: a caption and/or an icon on a raised face, one click
// signal (QAbstractButton::clicked). The caption is text(); an icon set with
// setIcon() is drawn above it, or alone when there is no caption.
//
// usrMPButton builds on it and adds numbered states; the face, the content and
// the optional indicator strip along the bottom are painted here for both.
class usrPButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit usrPButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

    // What to show now; usrMPButton shows per-state captions and icons.
    virtual QString shownText() const;
    virtual QIcon shownIcon() const;
    // Drawn as if pressed even when the mouse is not down (an "on" state).
    virtual bool looksPressed() const;
    // Height of the indicator strip along the bottom edge (0 = none) and its
    // painting.
    virtual double indicatorHeight() const;
    virtual void paintIndicator(QPainter& painter, const QRectF& strip) const;
};

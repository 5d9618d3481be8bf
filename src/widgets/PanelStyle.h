#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRectF>
#include <QString>

class QEvent;
class QPainter;
class QWidget;

// The look shared by the pad's controls: raised and sunken faces, the lit
// indicator, arrows, inset wells and captions that shrink to fit. Colours
// follow the widget's palette, so the controls sit on whatever window they
// are placed on; only the indicator colours are fixed, because "lit" has to
// read the same on every panel.
class PanelStyle {
public:
    struct Face {
        bool sunken = false;   // pressed, or a multi-state button that is on
        bool enabled = true;
        bool hovered = false;
        bool focused = false;
    };

    static QColor litColour();      // an "on" indicator
    static QColor litGlowColour();
    static QColor unlitColour();    // an "off" indicator
    static QColor accentColour();   // level fill of a scroll bar, step pips

    static void paintFace(QPainter& painter, const QRectF& rect, const QPalette& palette,
                          const Face& face);
    // A sunken well for tracks and readouts.
    static void paintWell(QPainter& painter, const QRectF& rect, const QPalette& palette,
                          bool enabled);
    // A small lamp, round when the rectangle is square, a bar otherwise.
    static void paintLamp(QPainter& painter, const QRectF& rect, bool lit, bool enabled);
    // A filled triangle pointing up, down, left or right, centred in rect.
    enum class Arrow { Up, Down, Left, Right };
    static void paintArrow(QPainter& painter, const QRectF& rect, Arrow arrow, const QColor& colour);

    // Draws text centred in rect; when it does not fit, the font shrinks down
    // to MinimumPointSize, then the text is clipped. Line breaks are kept.
    static constexpr double MinimumPointSize = 5.5;
    static void paintFittedText(QPainter& painter, const QRectF& rect, const QString& text,
                                QFont font, const QColor& colour, int alignment);
    // The font, shrunk in half points down to MinimumPointSize until text fits
    // into room (a text box's inside, say).
    static QFont fittedFont(QFont font, const QString& text, const QSizeF& room);

    static QColor textColour(const QPalette& palette, bool enabled);

    // A tooltip with a value in it: the value in place of "%1" in tip, after
    // tip on a line of its own when tip has no "%1", alone when tip is empty.
    static QString fillTip(const QString& tip, const QString& value);
    // For a control's event(): on a tooltip request shows the control's
    // tooltip filled with text (the control's value) and returns true.
    static bool showValueTip(QWidget* control, QEvent* event, const QString& text);
    // A value tip that is up for control follows a new value.
    static void refreshValueTip(QWidget* control, const QString& text);
};

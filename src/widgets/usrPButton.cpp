#include "widgets/usrPButton.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>

usrPButton::usrPButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover, true);
    setFocusPolicy(Qt::TabFocus);
}

// 600 x 510 twips: the button cell of the pad's layouts.
QSize usrPButton::sizeHint() const { return {40, 34}; }
QSize usrPButton::minimumSizeHint() const { return {16, 14}; }

bool usrPButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

QString usrPButton::shownText() const { return text(); }
QIcon usrPButton::shownIcon() const { return icon(); }
bool usrPButton::looksPressed() const { return false; }
double usrPButton::indicatorHeight() const { return 0.0; }
void usrPButton::paintIndicator(QPainter&, const QRectF&) const {}

void usrPButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool enabled = isEnabled();
    const bool sunken = isDown() || looksPressed();
    PanelStyle::Face face;
    face.sunken = sunken;
    face.enabled = enabled;
    face.hovered = underMouse();
    face.focused = hasFocus();
    const QRectF outer = QRectF(rect());
    PanelStyle::paintFace(painter, outer, palette(), face);

    QRectF content = outer.adjusted(3, 2, -3, -2);
    const double strip = indicatorHeight();
    if (strip > 0.0 && content.height() > strip + 6) {
        const QRectF band(content.left() + 2, content.bottom() - strip, content.width() - 4, strip);
        paintIndicator(painter, band);
        content.setBottom(band.top() - 1);
    }
    if (sunken)
        content.translate(0.5, 1.0);

    const QString caption = shownText();
    const QIcon picture = shownIcon();
    const QColor ink = PanelStyle::textColour(palette(), enabled);
    if (!picture.isNull()) {
        QRectF iconArea = content;
        if (!caption.isEmpty()) {
            const double textHeight = std::min(content.height() / 2, fontMetrics().height() * 1.0);
            iconArea.setBottom(content.bottom() - textHeight);
            PanelStyle::paintFittedText(painter, QRectF(content.left(), iconArea.bottom(), content.width(), textHeight),
                                        caption, font(), ink, Qt::AlignCenter);
        }
        const int side = static_cast<int>(std::max(1.0, std::min(iconArea.width(), iconArea.height())));
        const QRect square(static_cast<int>(iconArea.center().x() - side / 2.0),
                           static_cast<int>(iconArea.center().y() - side / 2.0), side, side);
        picture.paint(&painter, square, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled,
                      sunken ? QIcon::On : QIcon::Off);
    } else {
        PanelStyle::paintFittedText(painter, content, caption, font(), ink, Qt::AlignCenter);
    }
}

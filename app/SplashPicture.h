#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QPixmap>
#include <QSize>
#include <QString>

// The splash window's pictures, drawn here rather than loaded: a dark
// instrument panel with a line drawing of an inverted microscope, and the
// program's name.
namespace SplashPicture {

QPixmap Background(QSize size, qreal devicePixelRatio);
QPixmap Title(QSize size, qreal devicePixelRatio);
QColor TextColour();
// The slim progress bar under the picture, filled to fraction (0..1).
void PaintProgress(QPainter& painter, const QRect& rect, double fraction);

} // namespace SplashPicture

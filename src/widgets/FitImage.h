#pragma once

#include <QRectF>
#include <QSizeF>

class QLabel;
class QPixmap;
class QWidget;

// The largest rectangle with the proportions of `picture` that fits into a
// box of size `box`, centred in it (box coordinates). Empty for an empty
// picture or box.
QRectF func_FittedRect(const QSizeF& picture, const QSizeF& box);

// Shows `picture` in `image`, a child of `box`, scaled to the largest size
// that fits the box with its aspect ratio kept, centred in the box. A null
// picture leaves the image empty.
void sub_FitImage(QLabel& image, const QWidget& box, const QPixmap& picture);

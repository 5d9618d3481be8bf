#include "widgets/FitImage.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

QRectF func_FittedRect(const QSizeF& picture, const QSizeF& box)
{
    if (picture.isEmpty() || box.isEmpty())
        return {};
    const QSizeF fitted = picture.scaled(box, Qt::KeepAspectRatio);
    return {(box.width() - fitted.width()) / 2.0, (box.height() - fitted.height()) / 2.0, fitted.width(),
            fitted.height()};
}

void sub_FitImage(QLabel& image, const QWidget& box, const QPixmap& picture)
{
    const QRect target = func_FittedRect(picture.size(), box.size()).toRect();
    if (target.isEmpty()) {
        image.clear();
        image.hide();
        return;
    }
    image.setGeometry(target);
    image.setPixmap(picture.scaled(target.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    image.show();
}

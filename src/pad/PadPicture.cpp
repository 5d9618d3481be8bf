#include "pad/PadPicture.h"

#include <QPainter>

PadPicture::PadPicture(const QString& resource, QWidget* parent) : QWidget(parent), m_Renderer(resource)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize PadPicture::sizeHint() const
{
    return m_Renderer.defaultSize();
}

void PadPicture::paintEvent(QPaintEvent*)
{
    if (!m_Renderer.isValid())
        return;
    const QSizeF natural = m_Renderer.defaultSize();
    if (natural.isEmpty() || width() <= 0 || height() <= 0)
        return;
    const QSizeF fitted = natural.scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const QRectF target((width() - fitted.width()) / 2.0, (height() - fitted.height()) / 2.0, fitted.width(),
                        fitted.height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_Renderer.render(&painter, target);
}

#include "pad/PadPicture.h"

#include "widgets/FitImage.h"

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
    const QRectF target = func_FittedRect(m_Renderer.defaultSize(), size());
    if (target.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_Renderer.render(&painter, target);
}

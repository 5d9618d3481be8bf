#include "widgets/SvgIconEngine.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

SvgIconEngine::SvgIconEngine(QString path) : m_Path(std::move(path)) {}

QSvgRenderer& SvgIconEngine::Renderer() const
{
    if (!m_Renderer)
        m_Renderer = std::make_shared<QSvgRenderer>(m_Path);
    return *m_Renderer;
}

QSize SvgIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    QSvgRenderer& renderer = Renderer();
    if (!renderer.isValid())
        return {};
    QSize fitted = renderer.defaultSize();
    if (!fitted.isNull())
        fitted.scale(size, Qt::KeepAspectRatio);
    return fitted.isEmpty() ? QSize() : fitted;
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    const auto key = std::make_tuple(size.width(), size.height(), static_cast<int>(mode), static_cast<int>(state));
    if (const auto kept = m_Pixmaps.find(key); kept != m_Pixmaps.end())
        return kept->second;

    const QSize fitted = actualSize(size, mode, state);
    if (fitted.isEmpty())
        return {};
    QImage image(fitted, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    QPainter painter(&image);
    Renderer().render(&painter);
    painter.end();
    QPixmap picture = QPixmap::fromImage(image);
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QStyleOption option(0);
        option.palette = QGuiApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        if (!generated.isNull())
            picture = generated;
    }
    m_Pixmaps.emplace(key, picture);
    return picture;
}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    QSize size = rect.size();
    if (painter->device())
        size *= painter->device()->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(size, mode, state));
}

QString SvgIconEngine::key() const { return QStringLiteral("ZoSvgIcon"); }

QIconEngine* SvgIconEngine::clone() const
{
    // The copy shares the parsed drawing rather than reading the file again.
    Renderer();
    return std::make_unique<SvgIconEngine>(*this).release(); // the icon owns its engine
}

bool SvgIconEngine::isNull() { return !Renderer().isValid(); }

#include "widgets/SvgIconEngine.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

SvgIconEngine::SvgIconEngine(QString path) : m_Path(std::move(path)) {}

const SvgIconEngine::Drawing& SvgIconEngine::Read() const
{
    if (!m_Drawing) {
        auto drawing = std::make_shared<Drawing>();
        if (QFile file(m_Path); file.open(QIODevice::ReadOnly))
            drawing->Text = file.readAll();
        m_Parsed = std::make_shared<QSvgRenderer>(drawing->Text);
        drawing->Valid = m_Parsed->isValid();
        drawing->DefaultSize = m_Parsed->defaultSize();
        if (!drawing->Valid)
            m_Parsed.reset();
        m_Drawing = std::move(drawing);
    }
    return *m_Drawing;
}

QSize SvgIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    const Drawing& drawing = Read();
    if (!drawing.Valid)
        return {};
    QSize fitted = drawing.DefaultSize;
    if (!fitted.isNull())
        fitted.scale(size, Qt::KeepAspectRatio);
    return fitted.isEmpty() ? QSize() : fitted;
}

QPixmap SvgIconEngine::Render(const QSize& fitted)
{
    std::shared_ptr<QSvgRenderer> renderer = std::exchange(m_Parsed, nullptr);
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(m_Drawing->Text);
    QImage image(fitted, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    QPainter painter(&image);
    renderer->render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    // Every state shows the one drawing.
    const auto key = std::make_tuple(size.width(), size.height(), static_cast<int>(mode));
    if (const auto kept = m_Pixmaps.find(key); kept != m_Pixmaps.end())
        return kept->second;

    const QSize fitted = actualSize(size, mode, state);
    if (fitted.isEmpty())
        return {};
    QPixmap picture;
    if (mode == QIcon::Normal) {
        picture = Render(fitted);
    } else {
        picture = pixmap(size, QIcon::Normal, state);
        if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option(0);
            option.palette = QGuiApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, picture, &option);
            if (!generated.isNull())
                picture = generated;
        }
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
    // The copy shares the file's text rather than reading the file again.
    Read();
    return std::make_unique<SvgIconEngine>(*this).release(); // the icon owns its engine
}

bool SvgIconEngine::isNull() { return !Read().Valid; }

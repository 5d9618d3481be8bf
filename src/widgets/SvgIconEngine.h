#pragma once

#include <QIconEngine>
#include <QPixmap>
#include <QString>

#include <map>
#include <memory>
#include <tuple>

class QSvgRenderer;

// Draws one SVG file as an icon. The file is read on first use and the parsed
// drawing is shared with every clone, so a picture is parsed once however often
// it is drawn; each size, mode and state is rendered once and kept. Pictures
// come out as Qt's own SVG icons draw them: scaled into the size with their
// proportions kept, other modes than Normal derived by the application style.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QString path);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;
    bool isNull() override;

private:
    QSvgRenderer& Renderer() const;

    QString m_Path;
    mutable std::shared_ptr<QSvgRenderer> m_Renderer;
    std::map<std::tuple<int, int, int, int>, QPixmap> m_Pixmaps;
};

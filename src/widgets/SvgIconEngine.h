#pragma once

#include <QByteArray>
#include <QIconEngine>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <tuple>

class QSvgRenderer;

// Draws one SVG file as an icon. The file is read once and its text shared
// with every clone; each size and mode is rendered once and kept. The parsed
// drawing lives only until it has been rendered, as a pad holds many icons
// and their parsed drawings would weigh more than the pictures themselves;
// a size asked for later is parsed again from the text kept. Pictures come
// out as Qt's own SVG icons draw them: scaled into the size with their
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
    // What the first parse found: whether the file is a drawing, and its size.
    struct Drawing {
        QByteArray Text;
        bool Valid = false;
        QSize DefaultSize;
    };
    const Drawing& Read() const;
    QPixmap Render(const QSize& fitted);

    QString m_Path;
    mutable std::shared_ptr<const Drawing> m_Drawing;
    // Parsed by Read() and kept for the first rendering only.
    mutable std::shared_ptr<QSvgRenderer> m_Parsed;
    std::map<std::tuple<int, int, int>, QPixmap> m_Pixmaps;
};

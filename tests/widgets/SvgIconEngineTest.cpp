#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "widgets/SvgIconRegistry.h"

namespace {

// Wider than high, with shades and soft edges, so scaling, proportions and
// greying all show in the pixels.
constexpr char kDrawing[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="30" height="20" viewBox="0 0 30 20">
<defs><linearGradient id="g"><stop offset="0" stop-color="#1060c0"/><stop offset="1" stop-color="#f0a020"/></linearGradient></defs>
<rect x="1" y="1" width="28" height="18" rx="4" fill="url(#g)"/>
<circle cx="10" cy="10" r="6" fill="#c02020" fill-opacity="0.7"/>
<path d="M 16 4 L 27 16" stroke="#102030" stroke-width="1.5"/>
</svg>)svg";

class SvgIconEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath("drawing.svg");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kDrawing);
    }

    // The icon painted into a transparent picture of the given device pixel ratio.
    static QImage painted(const QIcon& icon, QRect rect, double ratio, QIcon::Mode mode, QIcon::State state)
    {
        QImage image(QSize(64, 64) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(0);
        QPainter painter(&image);
        icon.paint(&painter, rect, Qt::AlignCenter, mode, state);
        return image;
    }

    QTemporaryDir folder;
    QString path;
    SvgIconRegistry registry;
};

TEST_F(SvgIconEngineTest, NormalPictureIsTheDrawingScaledWithItsProportions)
{
    const QIcon icon = registry.Icon(path);
    ASSERT_FALSE(icon.isNull());
    QSvgRenderer renderer(path);
    for (const QSize size : {QSize(30, 20), QSize(48, 48), QSize(17, 40)}) {
        const QSize fitted = QSizeF(30, 20).scaled(QSizeF(size), Qt::KeepAspectRatio).toSize();
        QImage expected(fitted, QImage::Format_ARGB32_Premultiplied);
        expected.fill(0);
        QPainter painter(&expected);
        renderer.render(&painter);
        painter.end();
        EXPECT_EQ(icon.actualSize(size), fitted);
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), expected)
            << size.width() << "x" << size.height();
    }
}

TEST_F(SvgIconEngineTest, DrawsLikeQtsOwnSvgIconInEveryModeStateAndScale)
{
    const QIcon ours = registry.Icon(path);
    const QIcon qts(path);
    for (const double ratio : {1.0, 2.0})
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
            for (const QIcon::State state : {QIcon::Off, QIcon::On})
                for (const QRect rect : {QRect(2, 3, 30, 30), QRect(0, 0, 41, 23)}) {
                    const QImage expected = painted(qts, rect, ratio, mode, state);
                    const QImage image = painted(ours, rect, ratio, mode, state);
                    EXPECT_EQ(image, expected) << "ratio " << ratio << " mode " << mode << " state " << state
                                               << " width " << rect.width();
                }
    // Greying really changed the picture, so the comparison above covers it.
    EXPECT_NE(painted(ours, {0, 0, 30, 30}, 1.0, QIcon::Disabled, QIcon::Off),
              painted(ours, {0, 0, 30, 30}, 1.0, QIcon::Normal, QIcon::Off));
}

TEST_F(SvgIconEngineTest, FileIsReadOnceAndSharedByEveryCopy)
{
    const QIcon first = registry.Icon(path);
    const QImage reference = painted(QIcon(path), {0, 0, 40, 40}, 1.0, QIcon::Normal, QIcon::Off);
    const QImage small = first.pixmap(QSize(12, 12)).toImage();
    ASSERT_FALSE(small.isNull());

    // With the file gone, new sizes can only come from the text read before.
    ASSERT_TRUE(QFile::remove(path));
    const QIcon second = registry.Icon(path);
    EXPECT_EQ(second.cacheKey(), first.cacheKey());
    EXPECT_EQ(painted(second, {0, 0, 40, 40}, 1.0, QIcon::Normal, QIcon::Off), reference);

    // A detached copy clones the engine and keeps sharing the drawing.
    QIcon detached = first;
    detached.addPixmap(QPixmap(1, 1));
    EXPECT_NE(detached.cacheKey(), first.cacheKey());
    EXPECT_EQ(painted(detached, {0, 0, 40, 40}, 1.0, QIcon::Normal, QIcon::Off), reference);

    // Qt's own icon reads the file again when it draws, and finds nothing.
    EXPECT_NE(painted(QIcon(path), {0, 0, 40, 40}, 1.0, QIcon::Normal, QIcon::Off), reference);
}

TEST_F(SvgIconEngineTest, MissingFileGivesANullIcon)
{
    EXPECT_TRUE(registry.Icon(folder.filePath("absent.svg")).isNull());
}

} // namespace

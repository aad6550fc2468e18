// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/bicubicscaler.h"
#include "pictures/loadpicturefile.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr quint32 White = 0x00ffffff;
constexpr quint32 Blue = 0x00ff0000; // red is the low byte

struct Pictures : ::testing::Test
{
    QTemporaryDir dir;

    QString save(const QImage &image, const QString &name)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path)) << name.toStdString();
        return path;
    }

    QString solid(int w, int h, const QString &name, QColor colour = Qt::red)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return save(image, name);
    }
};

bool near(QColor a, QColor b, int tolerance = 3)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

::testing::AssertionResult colourAt(const QImage &image, int x, int y, QColor expected)
{
    const QColor got = image.pixelColor(x, y);
    if (near(got, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << x << "," << y << ") is " << got.name().toStdString() << ", expected "
           << expected.name().toStdString();
}
} // namespace

TEST_F(Pictures, MinusOneAsksForTheImagesOwnSize)
{
    const QString path = solid(37, 21, "own.png");
    QImage picture = LoadPictureFile(path, -1, -1, White, false).picture;
    EXPECT_EQ(picture.size(), QSize(37, 21));
    EXPECT_TRUE(colourAt(picture, 36, 20, Qt::red));

    picture = LoadPictureFile(path, -1, 50, White, true).picture;
    EXPECT_EQ(picture.size(), QSize(37, 21));
}

TEST_F(Pictures, WideAndTallImagesKeepTheirShapeAtTheTopLeftOrStretch)
{
    const QString wide = solid(200, 100, "wide.png");
    const QString tall = solid(100, 200, "tall.png");
    QImage picture = LoadPictureFile(wide, 100, 100, Blue, true).picture;
    EXPECT_EQ(picture.size(), QSize(100, 100));
    EXPECT_TRUE(colourAt(picture, 50, 10, Qt::red));
    EXPECT_TRUE(colourAt(picture, 99, 48, Qt::red));
    EXPECT_TRUE(colourAt(picture, 50, 51, Qt::blue));
    EXPECT_TRUE(colourAt(picture, 0, 99, Qt::blue));

    picture = LoadPictureFile(tall, 100, 100, Blue, true).picture;
    EXPECT_TRUE(colourAt(picture, 10, 50, Qt::red));
    EXPECT_TRUE(colourAt(picture, 48, 99, Qt::red));
    EXPECT_TRUE(colourAt(picture, 51, 50, Qt::blue));

    for (const QString &path : {wide, tall}) {
        picture = LoadPictureFile(path, 100, 100, Blue, false).picture;
        for (QPoint p :
             {QPoint(0, 0), QPoint(99, 0), QPoint(0, 99), QPoint(99, 99), QPoint(50, 50)})
            EXPECT_TRUE(colourAt(picture, p.x(), p.y(), Qt::red));
    }
}

TEST_F(Pictures, StretchingDistortsTheContent)
{
    // Left half black, right half white: stretched from 200x100 the edge stays at x 50.
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, 100, 100, Qt::black);
    const QString path = save(image, "halves.bmp");
    const QImage picture = LoadPictureFile(path, 100, 100, Blue, false).picture;
    EXPECT_TRUE(colourAt(picture, 45, 80, Qt::black));
    EXPECT_TRUE(colourAt(picture, 55, 80, Qt::white));
}

TEST_F(Pictures, TransparencyShowsTheBackground)
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(20, 0, 20, 20, QColor(0, 200, 0));
    painter.fillRect(20, 10, 20, 10, QColor(0, 0, 0, 128));
    painter.end();
    const QString path = save(image, "alpha.png");

    QImage picture = LoadPictureFile(path, -1, -1, White, true).picture;
    EXPECT_TRUE(colourAt(picture, 5, 5, Qt::white));
    EXPECT_TRUE(colourAt(picture, 30, 5, QColor(0, 200, 0)));
    EXPECT_TRUE(colourAt(picture, 30, 15, QColor(127, 127, 127)));

    // Scaled, the clear part still shows nothing but the background.
    picture = LoadPictureFile(path, 80, 40, White, true).picture;
    EXPECT_TRUE(colourAt(picture, 10, 10, Qt::white));
    EXPECT_TRUE(colourAt(picture, 36, 10, Qt::white));
    EXPECT_TRUE(colourAt(picture, 60, 10, QColor(0, 200, 0)));
}

TEST_F(Pictures, CommonFormatsLoad)
{
    QStringList paths;
    for (const char *name : {"a.png", "a.jpg", "a.bmp"})
        paths << solid(16, 8, name, QColor(255, 0, 0));
    // Qt writes no GIF: a one-pixel red one, by hand.
    QFile gif(dir.filePath("a.gif"));
    ASSERT_TRUE(gif.open(QIODevice::WriteOnly));
    gif.write(QByteArray::fromHex("4749463839610100010080000"
                                  "0ff0000000000"
                                  "2c00000000010001000002024401003b"));
    gif.close();
    paths << gif.fileName();
    for (const QString &path : paths) {
        const QImage picture = LoadPictureFile(path, 32, 16, White, true).picture;
        EXPECT_TRUE(colourAt(picture, 8, 8, Qt::red)) << path.toStdString();
    }
}

TEST_F(Pictures, UnloadableFilesGiveTheReasonAndNoPicture)
{
    QFile corrupt(dir.filePath("corrupt.png"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("\x89PNG\r\n\x1a\n this is no picture");
    corrupt.close();
    const QString missing = dir.filePath("missing.png");
    for (const QString &path : {missing, corrupt.fileName(), dir.path()}) {
        const LoadedPicture loaded = LoadPictureFile(path, -1, -1, White, true);
        EXPECT_FALSE(loaded.ok()) << path.toStdString();
        EXPECT_TRUE(loaded.picture.isNull());
        EXPECT_EQ(loaded.error, "Error loading picture " + path);
    }
}

TEST_F(Pictures, NoHeightWithRatioIsAnErrorNotACrash)
{
    const QString path = solid(10, 10, "ten.png");
    EXPECT_FALSE(LoadPictureFile(path, 50, 0, White, true).ok());
    EXPECT_FALSE(LoadPictureFile(path, -5, 10, White, false).ok());
}

TEST(BicubicScaler, UniformColourStaysExactAtAnySize)
{
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(QColor(10, 120, 240, 200));
    for (QSize size : {QSize(3, 2), QSize(7, 5), QSize(23, 17), QSize(1, 1)}) {
        const QImage out = BicubicScaler::scaled(image, size.width(), size.height())
                               .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(out.size(), size);
        for (int y = 0; y < out.height(); ++y) {
            for (int x = 0; x < out.width(); ++x)
                ASSERT_EQ(out.pixel(x, y), qRgba(10, 120, 240, 200)) << x << "," << y;
        }
    }
}

TEST(BicubicScaler, ShrinkingAveragesFineDetail)
{
    // One-pixel stripes shrunk to a quarter become an even grey, not stripes.
    QImage image(64, 8, QImage::Format_RGB32);
    for (int x = 0; x < 64; ++x) {
        for (int y = 0; y < 8; ++y)
            image.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    const QImage out = BicubicScaler::scaled(image, 16, 2);
    for (int x = 2; x < 14; ++x)
        EXPECT_NEAR(qRed(out.pixel(x, 1)), 128, 8) << x;
}

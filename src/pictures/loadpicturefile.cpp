// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/loadpicturefile.h"

#include "common/rounding.h"
#include "common/safefile.h"
#include "pictures/bicubicscaler.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {
QImage CreateCanvas(int width, int height, quint32 backColor)
{
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(QColor(backColor & 0xff, (backColor >> 8) & 0xff, (backColor >> 16) & 0xff));
    return canvas;
}

QSize drawnSize(const QSize &image, int width, int height, bool retainRatio)
{
    if (!retainRatio)
        return {width, height};
    const double imageAspect = double(image.width()) / image.height();
    const double boxAspect = double(width) / height;
    if (boxAspect < imageAspect)
        return {width, int(roundHalfEven(width / imageAspect))};
    return {int(roundHalfEven(height * imageAspect)), height};
}

void DrawScaledImage(QImage &canvas, const QImage &image, const QSize &size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return;
    const QImage scaled = size == image.size()
                              ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              : BicubicScaler::scaled(image, size.width(), size.height());
    QPainter painter(&canvas);
    painter.drawImage(0, 0, scaled);
}
} // namespace

LoadedPicture LoadPictureFile(const QString &fileName, qint32 width, qint32 height,
                              quint32 backColor, bool retainRatio)
{
    const LoadedPicture failed{QImage(), QStringLiteral("Error loading picture ") + fileName};
    // A named pipe would hold the window until something writes into it.
    QFile file(fileName);
    if (!SafeFile::openForReading(file))
        return failed;
    QImageReader reader(&file, QFileInfo(fileName).suffix().toLatin1());
    reader.setAutoTransform(false);
    const QImage image = reader.read();
    if (image.isNull())
        return failed;
    if (width == -1 || height == -1) {
        width = image.width();
        height = image.height();
    }
    // A picture of no height cannot keep a ratio, and none can have a negative side.
    if (width < 0 || height < 0 || (retainRatio && height == 0))
        return failed;
    QImage canvas = CreateCanvas(width, height, backColor);
    if (canvas.isNull() && width > 0 && height > 0)
        return failed; // more pixels than memory allows
    DrawScaledImage(canvas, image, drawnSize(image.size(), width, height, retainRatio));
    return {canvas, QString()};
}

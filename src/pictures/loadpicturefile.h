#pragma once

#include "pictures/pictureloaderror.h"

#include <QImage>
#include <QString>
#include <QtGlobal>

// Loads an image file of any common format (PNG, JPEG, BMP and GIF at least) into a
// picture of width by height pixels filled with backColor (0x00BBGGRR: red in the low
// byte), the image drawn over it at the top left with a bicubic filter and its
// transparent parts blended onto the background. A width or height of -1 asks for the
// image's own size, and both variables receive it. retainRatio keeps the image's shape
// (the rest of the picture stays backColor); otherwise it is stretched over the whole
// picture. Throws PictureLoadError for a file it cannot load or a size it cannot make.
QImage LoadPictureFile(const QString &fileName, qint32 &width, qint32 &height, quint32 backColor,
                       bool retainRatio);

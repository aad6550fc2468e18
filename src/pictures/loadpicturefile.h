// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/loadedpicture.h"

#include <QString>
#include <QtGlobal>

// Loads an image file of any common format (PNG, JPEG, BMP and GIF at least) into a
// picture of width by height pixels filled with backColor (0x00BBGGRR: red in the low
// byte), the image drawn over it at the top left with a bicubic filter and its
// transparent parts blended onto the background. A width or height of -1 asks for the
// image's own size. retainRatio keeps the image's shape (the rest of the picture stays
// backColor); otherwise it is stretched over the whole picture. A file it cannot load or
// a size it cannot make gives no picture but the reason.
LoadedPicture LoadPictureFile(const QString &fileName, qint32 width, qint32 height,
                              quint32 backColor, bool retainRatio);

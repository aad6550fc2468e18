// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Resamples a picture with a Catmull-Rom bicubic filter, widened when shrinking so that
// every source pixel counts. Works on premultiplied colours, so transparent pixels do
// not bleed their colour into the edges of opaque ones.
class BicubicScaler
{
public:
    // The result is premultiplied ARGB32; a width or height of 0 gives a null image.
    static QImage scaled(const QImage &source, int width, int height);
};

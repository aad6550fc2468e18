// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/bicubicscaler.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace {
// Catmull-Rom: the bicubic kernel with a = -0.5.
double kernel(double x)
{
    x = std::abs(x);
    if (x < 1.0)
        return 1.5 * x * x * x - 2.5 * x * x + 1.0;
    if (x < 2.0)
        return -0.5 * x * x * x + 2.5 * x * x - 4.0 * x + 2.0;
    return 0.0;
}

struct Taps
{
    int first = 0;
    QList<float> weights;
};

// For each target position, the source pixels it reads and their normalised weights.
QList<Taps> tapsFor(int sourceSize, int targetSize)
{
    const double scale = double(targetSize) / sourceSize;
    const double widen = std::max(1.0, 1.0 / scale);
    const double support = 2.0 * widen;
    QList<Taps> all(targetSize);
    for (int i = 0; i < targetSize; ++i) {
        const double centre = (i + 0.5) / scale - 0.5;
        const int first = int(std::floor(centre - support)) + 1;
        const int last = int(std::floor(centre + support));
        Taps &taps = all[i];
        taps.first = first;
        double sum = 0.0;
        for (int j = first; j <= last; ++j) {
            const double w = kernel((j - centre) / widen);
            taps.weights.append(float(w));
            sum += w;
        }
        if (sum != 0.0) {
            for (float &w : taps.weights)
                w = float(w / sum);
        }
    }
    return all;
}

inline int clampIndex(int i, int size)
{
    return i < 0 ? 0 : (i >= size ? size - 1 : i);
}

inline uchar toByte(float v)
{
    return uchar(std::clamp(int(std::lround(v)), 0, 255));
}
} // namespace

QImage BicubicScaler::scaled(const QImage &source, int width, int height)
{
    if (source.isNull() || width <= 0 || height <= 0)
        return {};
    const QImage src = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int sw = src.width();
    const int sh = src.height();
    const QList<Taps> across = tapsFor(sw, width);
    const QList<Taps> down = tapsFor(sh, height);

    // First pass: each source row resampled to the target width, four channels apiece.
    QList<float> rows(qsizetype(sh) * width * 4, 0.0f);
    for (int y = 0; y < sh; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        float *out = rows.data() + qsizetype(y) * width * 4;
        for (int x = 0; x < width; ++x) {
            const Taps &t = across[x];
            float a = 0, r = 0, g = 0, b = 0;
            for (int k = 0; k < t.weights.size(); ++k) {
                const QRgb px = line[clampIndex(t.first + k, sw)];
                const float w = t.weights[k];
                a += w * qAlpha(px);
                r += w * qRed(px);
                g += w * qGreen(px);
                b += w * qBlue(px);
            }
            out[x * 4] = a;
            out[x * 4 + 1] = r;
            out[x * 4 + 2] = g;
            out[x * 4 + 3] = b;
        }
    }

    // Second pass: down the columns.
    QImage result(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        const Taps &t = down[y];
        QRgb *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < width; ++x) {
            float c[4] = {0, 0, 0, 0};
            for (int k = 0; k < t.weights.size(); ++k) {
                const float *in =
                    rows.constData() + (qsizetype(clampIndex(t.first + k, sh)) * width + x) * 4;
                const float w = t.weights[k];
                for (int ch = 0; ch < 4; ++ch)
                    c[ch] += w * in[ch];
            }
            const uchar a = toByte(c[0]);
            line[x] = qRgba(std::min(toByte(c[1]), a), std::min(toByte(c[2]), a),
                            std::min(toByte(c[3]), a), a);
        }
    }
    return result;
}

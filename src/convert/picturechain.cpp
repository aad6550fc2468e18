// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/picturechain.h"

#include "common/rounding.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {
const QString Deinterlace = QStringLiteral("yadif=mode=send_frame:parity=auto:deint=interlaced");
const QString SquarePixels = QStringLiteral("setsar=1");

QString valueAfter(const QStringList &arguments, const QString &option)
{
    const qsizetype at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

// The nearest multiple of step, halves to the even multiple; never below one step.
int nearestStep(int value, int step)
{
    return int(std::max<qint64>(1, roundHalfEven(double(value) / step))) * step;
}

// To linear light, BT.709 primaries, Hable's curve, then BT.709 in the range players
// expect, as 8-bit samples of the given chroma.
QString toneMap(const MediaFacts &source, const QString &format)
{
    QString in = QStringLiteral("tin=") + source.transfer;
    if (source.primaries == QLatin1String("bt2020"))
        in += QStringLiteral(":pin=bt2020");
    if (source.matrix == QLatin1String("bt2020nc") || source.matrix == QLatin1String("bt2020c"))
        in += QStringLiteral(":min=") + source.matrix;
    return QStringLiteral("zscale=%1:t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,"
                          "tonemap=tonemap=hable:desat=0,zscale=t=bt709:m=bt709:r=tv,format=%2")
        .arg(in, format);
}

QString eightBitFormat(MediaFacts::Chroma chroma)
{
    switch (chroma) {
    case MediaFacts::Chroma::Full:
        return QStringLiteral("yuv444p");
    case MediaFacts::Chroma::Half:
        return QStringLiteral("yuv422p");
    case MediaFacts::Chroma::Quarter:
        break;
    }
    return QStringLiteral("yuv420p");
}
} // namespace

const PictureChain::Encoder *PictureChain::encoder(const QString &name)
{
    struct Family
    {
        Encoder encoder;
        QStringList names;
    };
    static const Family families[] = {
        {{Depth::EightBit420, 2, 2},
         {"libx264", "libxvid", "mpeg4", "msmpeg4", "msmpeg4v2", "wmv1", "wmv2", "mpeg1video",
          "mpeg2video", "libvpx", "libtheora"}},
        {{Depth::EightBit420, 2, 2, false}, {"flv"}},
        // H.263 takes only sizes in steps of 4.
        {{Depth::EightBit420, 4, 4}, {"h263", "h263p"}},
        {{Depth::Hdr420, 2, 2}, {"libx265", "libvpx-vp9", "libsvtav1", "libaom-av1"}},
        {{Depth::EightBit, 1, 1}, {"mjpeg"}},
        {{Depth::EightBit, 1, 1, false}, {"gif"}},
        // Its 4:2:2 needs an even width.
        {{Depth::EightBit, 2, 1}, {"huffyuv"}},
        {{Depth::Any, 1, 1}, {"ffv1", "ffvhuff"}},
    };
    for (const Family &family : families) {
        if (family.names.contains(name))
            return &family.encoder;
    }
    return nullptr;
}

PictureChain PictureChain::plan(const QStringList &arguments, const MediaFacts &source)
{
    PictureChain chain;
    const QString name = valueAfter(arguments, QStringLiteral("-vcodec"));
    if (name.isEmpty() || !source.hasVideo)
        return chain;
    // Whatever the encoder, a combed picture and a stretched one are wrong.
    if (source.isInterlaced())
        chain.m_filters << Deinterlace;
    if (const Encoder *known = encoder(name)) {
        chain.planSize(arguments, source, *known);
        chain.planColour(arguments, source, *known);
    } else if (!source.statesPixelShape() && arguments.contains(QLatin1String("-s"))) {
        chain.m_filters << SquarePixels;
    }
    return chain;
}

void PictureChain::planSize(const QStringList &arguments, const MediaFacts &source,
                            const Encoder &encoder)
{
    static const QRegularExpression size(QStringLiteral("^(\\d+)x(\\d+)$"));
    const QString chosen = valueAfter(arguments, QStringLiteral("-s"));
    const auto m = size.match(chosen);
    // The tone-mapping filter takes no odd size of halved chroma, so the picture it gets
    // is even whatever size the encoder gets afterwards.
    const int least = source.isHdr() && !keepsHdr(source, encoder) ? 2 : 1;
    const int widthStep = m.hasMatch() ? least : std::max(least, encoder.widthStep);
    const int heightStep = m.hasMatch() ? least : std::max(least, encoder.heightStep);
    // A codec that cannot record a pixel shape shows every pixel square, so its original
    // size is the picture's shown width: a 4:3 PAL DVD's 720x576 becomes 768x576.
    const bool toSquare = !encoder.recordsShape && source.statesPixelShape() &&
                          source.shapeNumerator != source.shapeDenominator;
    const double shownWidth =
        toSquare ? double(source.width) * source.shapeNumerator / source.shapeDenominator
                 : source.width;
    if (m.hasMatch() && !encoder.recordsShape && source.width > 0 && source.height > 0) {
        planBorders(shownWidth, source.height, m.captured(1).toInt(), m.captured(2).toInt(),
                    encoder);
        return;
    }
    const int width = source.width > 0 ? nearestStep(int(std::lround(shownWidth)), widthStep) : 0;
    const int height = source.height > 0 ? nearestStep(source.height, heightStep) : 0;
    const bool refit = width != source.width || height != source.height;
    // The scaler keeps the picture's shape through its pixel shape, which it can do only
    // for a shape it knows: a file that states none has square pixels.
    if (!source.statesPixelShape() && (m.hasMatch() || refit))
        m_filters << SquarePixels;
    if (refit)
        m_filters << QStringLiteral("scale=%1:%2").arg(width).arg(height);
    if (toSquare)
        m_filters << SquarePixels;
    if (!m.hasMatch())
        return;
    const int chosenWidth = m.captured(1).toInt();
    const int chosenHeight = m.captured(2).toInt();
    const int fitWidth = nearestStep(chosenWidth, encoder.widthStep);
    const int fitHeight = nearestStep(chosenHeight, encoder.heightStep);
    if (fitWidth != chosenWidth || fitHeight != chosenHeight)
        m_frameSize = QStringLiteral("%1x%2").arg(fitWidth).arg(fitHeight);
}

void PictureChain::planBorders(double shownWidth, int shownHeight, int chosenWidth,
                               int chosenHeight, const Encoder &encoder)
{
    // Such a codec cannot keep the shape by the pixels' shape as the others do: the
    // picture is shown whole inside the chosen size, with black borders where the shapes
    // differ, as a 4:3 film on a 16:9 screen.
    const int width = nearestStep(chosenWidth, encoder.widthStep);
    const int height = nearestStep(chosenHeight, encoder.heightStep);
    const double factor = std::min(width / shownWidth, height / double(shownHeight));
    const int inWidth = std::min(width, nearestStep(int(std::lround(shownWidth * factor)), 2));
    const int inHeight = std::min(height, nearestStep(int(std::lround(shownHeight * factor)), 2));
    m_filters << QStringLiteral("scale=%1:%2").arg(inWidth).arg(inHeight) << SquarePixels;
    if (inWidth != width || inHeight != height)
        m_filters << QStringLiteral("pad=%1:%2:%3:%4")
                         .arg(width)
                         .arg(height)
                         .arg((width - inWidth) / 2)
                         .arg((height - inHeight) / 2);
    if (width != chosenWidth || height != chosenHeight)
        m_frameSize = QStringLiteral("%1x%2").arg(width).arg(height);
}

void PictureChain::planColour(const QStringList &arguments, const MediaFacts &source,
                              const Encoder &encoder)
{
    const bool watermark = arguments.contains(QLatin1String("-filter_complex"));
    const bool keeps = keepsHdr(source, encoder);
    if (source.isHdr() && !keeps) {
        const bool delivery = encoder.depth != Depth::EightBit;
        m_filters << toneMap(source, delivery ? QStringLiteral("yuv420p")
                                              : eightBitFormat(source.chroma()));
        m_colourTags = {QStringLiteral("-color_primaries"), QStringLiteral("bt709"),
                        QStringLiteral("-color_trc"),       QStringLiteral("bt709"),
                        QStringLiteral("-colorspace"),      QStringLiteral("bt709")};
    } else if (keeps && encoder.depth == Depth::Hdr420) {
        // Under a watermark too: the overlay's picture could reach the encoder as RGB.
        if (source.pixelFormat != QLatin1String("yuv420p10le") || watermark)
            m_pixelFormat = QStringLiteral("yuv420p10le");
    } else if (encoder.depth != Depth::EightBit && encoder.depth != Depth::Any &&
               !source.isEightBit420()) {
        m_pixelFormat = QStringLiteral("yuv420p");
    }
    m_overlayFormat = overlayFormat(source, keeps, encoder.depth);
}

bool PictureChain::keepsHdr(const MediaFacts &source, const Encoder &encoder)
{
    return source.isHdr() && (encoder.depth == Depth::Hdr420 || encoder.depth == Depth::Any);
}

// The overlay works in 8-bit 4:2:0 unless told otherwise: what the output keeps, it must
// keep too.
QString PictureChain::overlayFormat(const MediaFacts &source, bool keepsHdr, Depth depth)
{
    const MediaFacts::Chroma chroma = source.chroma();
    const bool deep = source.isHighBitDepth() && depth == Depth::Any;
    if (keepsHdr && depth == Depth::Hdr420)
        return QStringLiteral("yuv420p10");
    if (depth != Depth::EightBit && depth != Depth::Any)
        return {};
    switch (chroma) {
    case MediaFacts::Chroma::Full:
        return deep ? QStringLiteral("auto") : QStringLiteral("yuv444");
    case MediaFacts::Chroma::Half:
        return deep ? QStringLiteral("yuv422p10") : QStringLiteral("yuv422");
    case MediaFacts::Chroma::Quarter:
        break;
    }
    return deep ? QStringLiteral("yuv420p10") : QString();
}

bool PictureChain::isEmpty() const
{
    return m_filters.isEmpty() && m_pixelFormat.isEmpty() && m_colourTags.isEmpty() &&
           m_frameSize.isEmpty() && m_overlayFormat.isEmpty();
}

QString PictureChain::graph(const QString &overlay) const
{
    const QString over = m_overlayFormat.isEmpty()
                             ? overlay
                             : overlay + QStringLiteral(":format=") + m_overlayFormat;
    if (m_filters.isEmpty())
        return over;
    return QStringLiteral("[0:v]") + m_filters.join(QLatin1Char(',')) +
           QStringLiteral("[picture];[picture][1:v]") + over;
}

QStringList PictureChain::applyTo(QStringList arguments) const
{
    if (isEmpty() || arguments.isEmpty())
        return arguments;
    const qsizetype size = arguments.indexOf(QStringLiteral("-s"));
    if (!m_frameSize.isEmpty() && size >= 0 && size + 1 < arguments.size())
        arguments[size + 1] = m_frameSize;
    QStringList added;
    const qsizetype complex = arguments.indexOf(QStringLiteral("-filter_complex"));
    if (complex >= 0 && complex + 1 < arguments.size())
        arguments[complex + 1] = graph(arguments[complex + 1]);
    else if (!m_filters.isEmpty())
        added << QStringLiteral("-vf") << m_filters.join(QLatin1Char(','));
    if (!m_pixelFormat.isEmpty())
        added << QStringLiteral("-pix_fmt") << m_pixelFormat;
    added << m_colourTags;
    for (qsizetype i = 0; i < added.size(); ++i)
        arguments.insert(arguments.size() - 1, added[i]);
    return arguments;
}

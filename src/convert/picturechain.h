// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/mediafacts.h"

#include <QString>
#include <QStringList>

// What the picture of one row needs on its way from the input file to the encoder, all
// decided here: frames flagged interlaced deinterlaced at their own rate; square pixels
// where the file states no shape, so a new frame size keeps the picture's shape; the
// nearest frame size the encoder can take (even, or a multiple of 4), the shape kept by
// the pixel shape; HDR tone-mapped to BT.709 for an 8-bit output; 8-bit 4:2:0 for the
// lossy delivery codecs, which phones, TVs and browsers play, except 10-bit 4:2:0 that
// HEVC, VP9 and AV1 keep for an HDR input; and the watermark's overlay after all that.
// Only the arguments that run change; the command the user sees keeps the options the
// user chose. A progressive 8-bit 4:2:0 input of an even size needs nothing.
class PictureChain
{
public:
    // From the arguments that will run (their "-vcodec", "-s" and "-filter_complex") and
    // the input's facts. No "-vcodec" (an audio type, a value passed on bare) or no
    // video in the input: nothing to do.
    static PictureChain plan(const QStringList &arguments, const MediaFacts &source);

    // The arguments with the chain in place; the output file stays the last argument.
    QStringList applyTo(QStringList arguments) const;
    bool isEmpty() const;

    // The filters on the input's picture, before a watermark is laid over it.
    const QStringList &filters() const { return m_filters; }
    // "-pix_fmt" for the encoder; empty: the encoder's own choice.
    const QString &pixelFormat() const { return m_pixelFormat; }

private:
    enum class Depth {
        EightBit420, // lossy delivery codecs
        Hdr420,      // HEVC, VP9, AV1: 10-bit 4:2:0 for HDR, else as above
        EightBit,    // 8-bit intermediates (MJPEG, HuffYUV, GIF): chroma kept
        Any,         // lossless codecs that take whatever comes (FFV1)
    };
    struct Encoder
    {
        Depth depth;
        int widthStep;
        int heightStep;
        // False for codecs whose files cannot say that pixels are not square.
        bool recordsShape = true;
    };
    static const Encoder *encoder(const QString &name);
    void planSize(const QStringList &arguments, const MediaFacts &source, const Encoder &encoder);
    void planBorders(double shownWidth, int shownHeight, int chosenWidth, int chosenHeight,
                     const Encoder &encoder);
    void planColour(const QStringList &arguments, const MediaFacts &source, const Encoder &encoder);
    static bool keepsHdr(const MediaFacts &source, const Encoder &encoder);
    static QString overlayFormat(const MediaFacts &source, bool keepsHdr, Depth depth);
    QString graph(const QString &overlay) const;

    QStringList m_filters;
    QString m_pixelFormat;
    QStringList m_colourTags; // output options that name the colours written
    QString m_frameSize;      // a "-s" value the encoder can take; empty: as given
    QString m_overlayFormat;  // the overlay's own format option; empty: its default
};

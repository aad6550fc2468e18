// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class QObject;

// What the encoder's own report of a file ("fp.dll -hide_banner -i FILE") tells of it:
// the exact length, which kinds of stream it holds, and the shape and colour of its
// picture. Only the first input's section of the report is read, so the report of a
// command that also writes (its "Output #0" streams) is read the same.
class MediaFacts
{
public:
    static MediaFacts parse(const QString &report);

    // Asks the encoder program about the file through a child program, never a shell.
    // done runs from the event loop, never before query() returns; nothing runs when
    // context is destroyed first. A program that cannot be started, or a report without
    // a single stream, gives facts whose isKnown() is false.
    static void query(const QString &encoder, const QString &path, QObject *context,
                      const std::function<void(const MediaFacts &)> &done);

    // Seconds of the "Duration:" line; nothing for "N/A" or no such line.
    std::optional<double> length;
    bool hasVideo = false; // a moving picture: a cover picture does not count
    bool hasAudio = false;

    // Of the first video stream, as the encoder names them: "yuv420p10le", "bt2020nc",
    // "bt2020", "smpte2084", "top first"; empty when the report does not say.
    int width = 0;
    int height = 0;
    QString pixelFormat;
    QString matrix;
    QString primaries;
    QString transfer;
    QString fieldOrder;
    // The pixel shape the encoder applies: the stream's own when the container states
    // one, else the codec's; 0:0 when nothing states one.
    int shapeNumerator = 0;
    int shapeDenominator = 0;

    bool isKnown() const { return hasVideo || hasAudio; }
    bool statesPixelShape() const { return shapeNumerator > 0 && shapeDenominator > 0; }
    // PQ (HDR10) or HLG.
    bool isHdr() const;
    // Flagged as interlaced, in either field order.
    bool isInterlaced() const;
    // More than 8 bits a sample.
    bool isHighBitDepth() const;
    // 8 bits a sample, chroma halved both ways: what every player plays.
    bool isEightBit420() const;
    enum class Chroma { Quarter, Half, Full }; // 4:2:0, 4:2:2, 4:4:4 (RGB counts as full)
    Chroma chroma() const;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/mediafacts.h"
#include "media/probereport.h"

#include <gtest/gtest.h>

// Stream lines as the installed encoder prints them for files of every shape.
TEST(MediaFacts, ReadsTheShapeAndColourOfTheFirstMovingPicture)
{
    struct Case
    {
        const char *stream;
        int width, height, shapeNumerator;
        bool hdr, interlaced, eightBit420;
    };
    const Case cases[] = {
        {"Video: h264 (High 10) (avc1 / 0x31637661), yuv420p10le(tv, bt2020nc/bt2020/smpte2084, "
         "progressive), 320x240 [SAR 1:1 DAR 4:3], 40 kb/s, 25 fps (default)",
         320, 240, 1, true, false, false},
        {"Video: mpeg2video (Main), yuv420p(tv, top first), 720x576 [SAR 16:15 DAR 4:3], 25 fps",
         720, 576, 16, false, true, true},
        // The colour named once when all three agree; a swapped field order nests brackets.
        {"Video: h264, yuv420p(tv, bt709, top coded first (swapped)), 1920x1080, 25 fps", 1920,
         1080, 0, false, true, true},
        // DivX 3 in AVI: no shape stated anywhere.
        {"Video: msmpeg4v3 (MP43 / 0x3334504D), yuv420p, 320x240, 306 kb/s", 320, 240, 0, false,
         false, true},
        // The container's own shape comes after the codec's and wins.
        {"Video: mpeg4, yuv444p, 720x405 [SAR 1:1 DAR 16:9], SAR 4:3 DAR 64:27, 25 fps", 720, 405,
         4, false, false, false},
    };
    for (const Case &c : cases) {
        const MediaFacts f = MediaFacts::parse(
            QStringLiteral("Input #0, mov, from 'a':\n  Duration: 00:00:07.61, start: 0.52\n"
                           "  Stream #0:0[0x1](und): ") +
            c.stream + "\n  Stream #0:1(eng): Audio: aac (LC), 44100 Hz, mono\n");
        SCOPED_TRACE(c.stream);
        EXPECT_TRUE(f.hasVideo && f.hasAudio);
        EXPECT_DOUBLE_EQ(f.length.value_or(0), 7.61);
        EXPECT_EQ(f.width, c.width);
        EXPECT_EQ(f.height, c.height);
        EXPECT_EQ(f.shapeNumerator, c.shapeNumerator);
        EXPECT_EQ(f.isHdr(), c.hdr);
        EXPECT_EQ(f.isInterlaced(), c.interlaced);
        EXPECT_EQ(f.isEightBit420(), c.eightBit420);
    }
}

TEST(MediaFacts, ASongWithACoverPictureHoldsNoVideo)
{
    const MediaFacts song = MediaFacts::parse(
        "  Duration: N/A, bitrate: 128 kb/s\n  Stream #0:0: Audio: mp3, 44100 Hz, stereo\n"
        "  Stream #0:1: Video: mjpeg, yuvj420p(pc), 600x600, 90k tbn (attached pic)\n");
    EXPECT_TRUE(song.hasAudio && !song.hasVideo && !song.length);
    EXPECT_FALSE(MediaFacts::parse("x.avi: Invalid data found when processing input").isKnown());
}

TEST(ProbeReport, NumericFormatsOfThePlayerGetTheirNames)
{
    const std::pair<const char *, const char *> formats[] = {
        {"0x10000001", "MPEG-1"}, {"0x10000002", "MPEG-2"}, {"0x10000004", "MPEG-4"},
        {"0x10000005", "H264"},   {"0x00000000", "RGB"},    {"0x10000009", "0x10000009"},
        {"FMP4", "FMP4"},
    };
    for (const auto &[id, shown] : formats)
        EXPECT_EQ(ProbeReport::parse(QStringLiteral("ID_VIDEO_FORMAT=") + id).formatText(), shown);
    EXPECT_EQ(ProbeReport::parse("").formatText(), "");
}

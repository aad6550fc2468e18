// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/probereport.h"

#include <gtest/gtest.h>

TEST(ProbeReport, ReadsTheFourKeysFromCrLfAndLfLines)
{
    const ProbeReport crlf =
        ProbeReport::parse("MPlayer 1.5\r\nID_VIDEO_WIDTH=640\r\nID_VIDEO_HEIGHT=480\r\n"
                           "ID_VIDEO_FORMAT=H264\r\nID_LENGTH=83.40\r\n");
    EXPECT_EQ(crlf.sizeText(), "640x480");
    EXPECT_EQ(crlf.format.value_or("?"), "H264");
    EXPECT_EQ(crlf.lengthText(), "0:01:23");
    EXPECT_FALSE(crlf.lacksLength());

    // The player's own line ends, and both kinds mixed in one report.
    const ProbeReport lf = ProbeReport::parse(
        "ID_VIDEO_WIDTH=320\nID_VIDEO_HEIGHT=240\r\nID_VIDEO_FORMAT=FMP4\nID_LENGTH=3725\n");
    EXPECT_EQ(lf.sizeText(), "320x240");
    EXPECT_EQ(lf.format.value_or("?"), "FMP4");
    EXPECT_EQ(lf.lengthText(), "1:02:05");
}

TEST(ProbeReport, LastOccurrenceWinsAndKeysMatchExactly)
{
    const ProbeReport r = ProbeReport::parse(
        "ID_VIDEO_WIDTH=720\nID_VIDEO_WIDTH=704\nid_length=99\nID_LENGTH\n ID_LENGTH=50\n"
        "ID_LENGTH =40\nID_LENGTH=10=20\nID_VIDEO_FORMAT=a=b\nID_VIDEO_FORMAT= mp4v \n");
    EXPECT_EQ(r.width, 704);
    EXPECT_EQ(r.height, 0);
    // Only "ID_LENGTH=10=20" counts; what follows a second "=" is dropped.
    EXPECT_EQ(r.lengthText(), "0:00:10");
    // The value stands as the player wrote it, blanks included.
    EXPECT_EQ(r.format.value_or("?"), " mp4v ");
}

TEST(ProbeReport, ReportWithoutKeysLeavesEverythingUnknown)
{
    for (const char *text : {"", "garbage\nmore garbage", "ID_VIDEO_ID=0\nID_EXIT=EOF\n"}) {
        const ProbeReport r = ProbeReport::parse(QString::fromLatin1(text));
        EXPECT_EQ(r.sizeText(), "0x0") << text;
        EXPECT_FALSE(r.format.has_value()) << text;
        EXPECT_EQ(r.lengthText(), "") << text;
        EXPECT_TRUE(r.lacksLength()) << text;
    }
}

TEST(ProbeReport, SizeValuesThatAreNotIntegersKeepTheEarlierValue)
{
    const ProbeReport r = ProbeReport::parse(
        "ID_VIDEO_WIDTH=640\nID_VIDEO_WIDTH=wide\nID_VIDEO_HEIGHT=480\nID_VIDEO_HEIGHT=12.5\n"
        "ID_VIDEO_HEIGHT=99999999999\n");
    EXPECT_EQ(r.sizeText(), "640x480");
}

TEST(ProbeReport, LengthsAreRoundedAndNeverWrapAtADay)
{
    EXPECT_EQ(ProbeReport::parse("ID_LENGTH=90000.00\n").lengthText(), "25:00:00");
    EXPECT_EQ(ProbeReport::parse("ID_LENGTH=59.6\n").lengthText(), "0:01:00");
    EXPECT_EQ(ProbeReport::parse("ID_LENGTH=2.5\n").lengthText(), "0:00:02");
    EXPECT_EQ(ProbeReport::parse("ID_LENGTH=12abc\n").lengthText(), "0:00:12");

    // A length the player does not know is no length: the encoder is asked instead.
    const ProbeReport zero = ProbeReport::parse("ID_LENGTH=0.00\n");
    EXPECT_EQ(zero.lengthText(), "0:00:00");
    EXPECT_TRUE(zero.lacksLength());
    EXPECT_TRUE(ProbeReport::parse("ID_LENGTH=unknown\n").lacksLength());
    EXPECT_TRUE(ProbeReport::parse("ID_LENGTH=0.4\n").lacksLength());
}

TEST(ProbeReport, EncoderDurationLine)
{
    EXPECT_EQ(ProbeReport::encoderDuration(
                  "Input #0, mpeg, from 'a.vob':\n  Duration: 00:00:03.01, start: 0.529089,"),
              3);
    EXPECT_EQ(ProbeReport::encoderDuration("  Duration: 25:00:00.40, start"), 90000);
    EXPECT_FALSE(ProbeReport::encoderDuration("  Duration: N/A, start: 0.0").has_value());
    EXPECT_FALSE(ProbeReport::encoderDuration("  Duration: 00:00:00.20,").has_value());
    EXPECT_FALSE(ProbeReport::encoderDuration("x.avi: Invalid data found").has_value());
}

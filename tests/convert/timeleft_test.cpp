// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/runtimeleft.h"
#include "convert/timeleftestimate.h"
#include "media/conversionlist.h"

#include <gtest/gtest.h>

namespace {
// The encoder at a steady pace from one time to another, a status line every half second.
void encodeAt(TimeLeftEstimate &e, double pace, double &media, double &now, double until)
{
    while (now + 0.5 <= until + 1e-9) {
        now += 0.5;
        media += pace * 0.5;
        e.encoded(media, now);
    }
}
} // namespace

TEST(TimeLeftEstimate, EstimatingUntilTheEncoderHasToldSomething)
{
    TimeLeftEstimate e;
    EXPECT_EQ(e.speedText(), "estimating...");
    EXPECT_EQ(e.timeLeftText(0), "estimating...");
    e.begin({30, 30});
    e.rowStarted(0, 0);
    EXPECT_EQ(e.timeLeftText(3), "estimating...");
    // The first second's lines are not trusted.
    e.encoded(0, 0.5);
    EXPECT_EQ(e.speedText(), "estimating...");
    // Nothing written yet: a speed of nothing, but no pace to divide by.
    e.encoded(0, 1);
    EXPECT_EQ(e.speedText(), "0.00x");
    EXPECT_FALSE(e.rowLeft(1));
    EXPECT_EQ(e.timeLeftText(1), "estimating...");
    e.encoded(3, 2);
    EXPECT_EQ(e.speedText(), "1.5x");
    EXPECT_EQ(e.timeLeftText(2), "0:00:18 / queue 0:00:38");
}

TEST(TimeLeftEstimate, ARunThatSpeedsUpAndSlowsDown)
{
    TimeLeftEstimate e;
    e.begin({60, 30});
    double media = 0, now = 0;
    e.rowStarted(0, now);
    encodeAt(e, 2, media, now, 5);
    ASSERT_TRUE(e.speed());
    EXPECT_DOUBLE_EQ(*e.speed(), 2.0);
    EXPECT_EQ(e.speedText(), "2.0x");
    // 50 s of the row left at 2x; the next row at the run's pace, 10 s in 5 s.
    EXPECT_DOUBLE_EQ(*e.rowLeft(now), 25.0);
    EXPECT_DOUBLE_EQ(*e.queueLeft(now), 40.0);
    EXPECT_EQ(e.timeLeftText(now), "0:00:25 / queue 0:00:40");
    // Between two status lines the time runs down with the clock.
    EXPECT_DOUBLE_EQ(*e.rowLeft(now + 0.25), 24.75);

    // Twice as fast: the speed follows within seconds, not at one line.
    encodeAt(e, 4, media, now, 5.5);
    EXPECT_GT(*e.speed(), 2.0);
    EXPECT_LT(*e.speed(), 2.5);
    encodeAt(e, 4, media, now, 15);
    EXPECT_GT(*e.speed(), 3.5);
    EXPECT_LT(*e.speed(), 4.0);
    EXPECT_NEAR(*e.rowLeft(now), (60 - media) / *e.speed(), 1e-9);
    // The queue's pace is the whole run's: 50 s of media in 15 s.
    EXPECT_NEAR(*e.queueLeft(now), *e.rowLeft(now) + 30 / (50.0 / 15), 1e-9);

    // Slower again: the speed falls, and the row's time left grows with it.
    const double before = *e.rowLeft(now);
    const double mediaBefore = media;
    encodeAt(e, 0.5, media, now, 19);
    EXPECT_LT(*e.speed(), 2.5);
    EXPECT_GT(*e.speed(), 0.5);
    EXPECT_GT(*e.rowLeft(now), before - (media - mediaBefore) / 4);
    EXPECT_EQ(e.speedText(), QString::number(*e.speed(), 'f', 1) + "x");

    // The row ends whole; the next row's first line also covers the encoder's start and
    // leaves the speed alone.
    const double speed = *e.speed();
    e.rowFinished(true, 20);
    EXPECT_EQ(*e.rowLeft(20), 0.0);
    EXPECT_NEAR(*e.queueLeft(20), 30 / (60.0 / 20), 1e-9);
    e.rowStarted(1, 21);
    e.encoded(1, 22);
    EXPECT_DOUBLE_EQ(*e.speed(), speed);
    e.encoded(5, 23);
    EXPECT_GT(*e.speed(), speed);
    EXPECT_FALSE(e.queueLeftIsLowerBound());
}

TEST(TimeLeftEstimate, RowsOfUnknownLengthMakeTheQueueALowerBound)
{
    TimeLeftEstimate e;
    e.begin({0, 20, 0, 10});
    e.rowStarted(0, 0);
    e.encoded(4, 2);
    EXPECT_FALSE(e.rowLeft(2));
    EXPECT_TRUE(e.queueLeftIsLowerBound());
    // The known rows at the pace so far, 2x.
    EXPECT_EQ(e.timeLeftText(2), "unknown / queue at least 0:00:15");
    e.rowFinished(true, 3);
    e.rowStarted(1, 3);
    e.encoded(2, 4);
    // Still a row of unknown length to come.
    // Not yet 5 s into the run: the speed is the run's average, 6 s in 4 s.
    EXPECT_EQ(e.timeLeftText(4), "0:00:12 / queue at least 0:00:19");
    e.rowFinished(true, 13);
    e.rowStarted(2, 13);
    e.rowFinished(true, 14);
    e.rowStarted(3, 14);
    e.encoded(1, 15);
    EXPECT_FALSE(e.queueLeftIsLowerBound());
    EXPECT_TRUE(e.timeLeftText(15).startsWith("0:00:"));
    EXPECT_FALSE(e.timeLeftText(15).contains("at least"));
}

TEST(TimeLeftEstimate, AFailedRowCountsOnlyWhatWasWritten)
{
    TimeLeftEstimate converted, failed;
    for (TimeLeftEstimate *e : {&converted, &failed}) {
        e->begin({60, 60});
        e->rowStarted(0, 0);
        e->encoded(10, 5);
        e->rowFinished(e == &converted, 5);
    }
    // Had the failed row counted whole, its 60 s in 5 s would promise a queue at 12x.
    EXPECT_NEAR(*failed.queueLeft(5), 60 / 2.0, 1e-9);
    EXPECT_NEAR(*converted.queueLeft(5), 60 / 12.0, 1e-9);
    // A new run forgets the old one.
    failed.begin({10});
    EXPECT_FALSE(failed.speed());
    EXPECT_EQ(failed.timeLeftText(0), "estimating...");
}

TEST(RunTimeLeft, ARowsLengthIsItsClip)
{
    ConversionList list;
    const auto row = [&](const QString &start, const QString &end) {
        const int r = list.addItem("/v/a.avi");
        list.setText(r, ConversionList::Start, start);
        list.setText(r, ConversionList::End, end);
        return RunTimeLeft::rowLength(list, r);
    };
    EXPECT_EQ(row("0:00:00", "0:01:23"), 83);
    EXPECT_EQ(row("0:00:10", "0:00:30"), 20);
    EXPECT_EQ(row("0:00:00", "26:00:00"), 26 * 3600);
    EXPECT_EQ(row("0:00:00", ""), 0);
    EXPECT_EQ(row("", "garbage"), 0);
}

TEST(RunTimeLeft, TheMediaTimeComesFromTheEncodersStatusLinesOnly)
{
    const auto seconds = [](const char *line) { return RunTimeLeft::encodedSeconds(line); };
    EXPECT_EQ(seconds("frame=  312 fps= 62 q=31.0 size=     512kB time=00:01:02.50 "
                      "bitrate= 67.1kbits/s speed=12.4x"),
              62.5);
    EXPECT_EQ(seconds("size=     100kB time=01:00:00.00 bitrate= 0.2kbits/s speed= 600x"), 3600);
    EXPECT_EQ(seconds("frame=    0 fps=0.0 q=0.0 size=       0kB time=N/A bitrate=N/A"),
              std::nullopt);
    EXPECT_EQ(seconds("frame=    1 fps=0.0 q=0.0 size=       0kB time=-00:00:00.04 bitrate=N/A"),
              std::nullopt);
    EXPECT_EQ(seconds("Input #0, avi, from '/v/time=00:00:05.00.avi':"), std::nullopt);
    EXPECT_EQ(seconds("    title           : time=00:00:05.00"), std::nullopt);
}

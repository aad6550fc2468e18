// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/rounding.h"
#include "common/timetext.h"

#include <gtest/gtest.h>

#include <limits>

TEST(TimeText, FormatsHoursWithoutWrappingAtADay)
{
    EXPECT_EQ(TimeText::clock(0), "0:00:00");
    EXPECT_EQ(TimeText::clock(83), "0:01:23");
    EXPECT_EQ(TimeText::clock(3725), "1:02:05");
    EXPECT_EQ(TimeText::clock(90000), "25:00:00");
    EXPECT_EQ(TimeText::paddedClock(65), "00:01:05");
    EXPECT_EQ(TimeText::paddedClock(40000), "11:06:40");
    EXPECT_EQ(TimeText::clock(-5), "-0:00:05");
    // The ends of the range, as a broken file's length reaches them.
    EXPECT_EQ(TimeText::clock(std::numeric_limits<qint64>::min()), "-2562047788015215:30:08");
    EXPECT_EQ(TimeText::clock(std::numeric_limits<qint64>::max()), "2562047788015215:30:07");
}

TEST(TimeText, ReadsHoursPastTwentyThreeAndRefusesNonTimes)
{
    EXPECT_EQ(TimeText::seconds("0:01:23"), 83);
    EXPECT_EQ(TimeText::seconds(" 00:01:23 "), 83);
    EXPECT_EQ(TimeText::seconds("25:00:00"), 90000);
    EXPECT_EQ(TimeText::seconds("10:00"), 36000);
    EXPECT_FALSE(TimeText::seconds(""));
    EXPECT_FALSE(TimeText::seconds("abc"));
    EXPECT_FALSE(TimeText::seconds("0:61:00"));
    EXPECT_FALSE(TimeText::seconds("0:00:60"));
    EXPECT_FALSE(TimeText::seconds("1:2:3:4"));
    EXPECT_FALSE(TimeText::seconds("-1:00:00"));
    EXPECT_EQ(TimeText::secondsOrZero("x"), 0);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(33.3333), 33);
    EXPECT_EQ(roundHalfEven(99.6), 100);
    EXPECT_EQ(roundHalfEven(0.49999), 0);
    // Numbers beyond every integer, as a broken file's "ID_LENGTH=-4444...4" or an encoder's
    // "time=4444...4:00:00.00" give them, become the nearest integer there is.
    EXPECT_EQ(roundHalfEven(1.6e41), std::numeric_limits<qint64>::max());
    EXPECT_EQ(roundHalfEven(-4.4e70), std::numeric_limits<qint64>::min());
    EXPECT_EQ(roundHalfEven(9.2e18), qint64(9200000000000000000));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/numerictext.h"

#include <gtest/gtest.h>

TEST(NumericText, TakesTheLeadingNumberOnly)
{
    EXPECT_EQ(NumericText::value("4abc"), 4);
    EXPECT_EQ(NumericText::value("abc"), 0);
    EXPECT_EQ(NumericText::value(""), 0);
    EXPECT_EQ(NumericText::value("  -1"), -1);
    EXPECT_DOUBLE_EQ(NumericText::value("29.97 fps"), 29.97);
    EXPECT_DOUBLE_EQ(NumericText::value(" 4.840 br"), 4.84);
    EXPECT_EQ(NumericText::value("1500"), 1500);
    EXPECT_EQ(NumericText::value("-"), 0);
    EXPECT_EQ(NumericText::value(".5"), 0.5);
}

TEST(NumericText, WritesWholeNumbersWithoutAPoint)
{
    EXPECT_EQ(NumericText::text(64000), "64000");
    EXPECT_EQ(NumericText::text(1500000), "1500000");
    EXPECT_EQ(NumericText::text(2.5), "2.5");
    EXPECT_EQ(NumericText::text(-1), "-1");
    EXPECT_EQ(NumericText::text(0), "0");
}

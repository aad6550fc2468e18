// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/linesplitter.h"

#include <gtest/gtest.h>

TEST(LineSplitter, BreaksAtCrLfAndPairsAcrossChunks)
{
    LineSplitter s;
    EXPECT_EQ(s.feed("ID_A=1\nframe= 1\rframe= 2\r"), QStringList({"ID_A=1", "frame= 1", "frame= 2"}));
    EXPECT_EQ(s.feed("\nID_B"), QStringList()); // LF of a CR LF split over two chunks
    EXPECT_EQ(s.feed("=2\r\nlast"), QStringList({"ID_B=2"}));
    EXPECT_EQ(s.takeRest(), "last");
    EXPECT_EQ(s.feed("\n\n"), QStringList({"", ""}));
}

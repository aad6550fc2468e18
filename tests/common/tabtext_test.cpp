// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/tabtext.h"

#include <gtest/gtest.h>

TEST(TabText, EscapesWhatWouldBreakALineAndNothingElse)
{
    EXPECT_EQ(TabText::field("/media/my film; $1 -é.avi"), "/media/my film; $1 -é.avi");
    // A backslash is doubled, so a name holding the two characters \t stays apart from
    // one holding a tab.
    const QString line = TabText::line({"1", "a\tb\nc\rd", "", "a\\tb"});
    EXPECT_EQ(line, "1\ta\\tb\\nc\\rd\t\ta\\\\tb");
    EXPECT_EQ(line.split('\t').size(), 4);
}

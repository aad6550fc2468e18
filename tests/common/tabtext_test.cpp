#include "common/tabtext.h"

#include <gtest/gtest.h>

TEST(TabText, EscapesWhatWouldBreakALineAndNothingElse)
{
    EXPECT_EQ(TabText::field("/media/my film; $1 -é.avi"), "/media/my film; $1 -é.avi");
    EXPECT_EQ(TabText::field("a\tb\nc\rd"), "a\\tb\\nc\\rd");
    // A backslash is doubled, so a name holding the two characters \t stays apart from
    // one holding a tab.
    EXPECT_EQ(TabText::field("a\\tb"), "a\\\\tb");
    EXPECT_EQ(TabText::field("\\"), "\\\\");
    EXPECT_EQ(TabText::field(""), "");
}

TEST(TabText, ALineKeepsItsFieldCountWhateverTheyHold)
{
    const QString line = TabText::line({"1", "x\ty\nz", "", "\\"});
    EXPECT_EQ(line, "1\tx\\ty\\nz\t\t\\\\");
    EXPECT_EQ(line.split('\t').size(), 4);
    EXPECT_FALSE(line.contains('\n'));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/commandline.h"

#include <gtest/gtest.h>

TEST(CommandLine, TextKeepsBlanksWhileArgumentsKeepPathsWhole)
{
    CommandLine c;
    c.addQuoted("/opt/my prog/fp.dll")
        .addText(" -i ")
        .addQuoted("/in/a \"b\" $(touch x); 'c'.avi")
        .addText("  -vcodec libx264  -ab 128000")
        .addText(" ")
        .addQuoted("-out.mp4");
    EXPECT_EQ(c.text().toStdString(),
              "\"/opt/my prog/fp.dll\" -i \"/in/a \"b\" $(touch x); 'c'.avi\"  -vcodec libx264  "
              "-ab 128000 \"-out.mp4\"");
    EXPECT_EQ(c.program(), "/opt/my prog/fp.dll");
    const QStringList expected = {"-i", "/in/a \"b\" $(touch x); 'c'.avi", "-vcodec", "libx264",
                                  "-ab", "128000", "-out.mp4"};
    EXPECT_EQ(c.arguments(), expected);
}

TEST(CommandLine, BareArgumentShowsWithoutQuotes)
{
    CommandLine c;
    c.addBare("/a folder/mp.dll").addText(" -identify ").addQuoted("x y");
    EXPECT_EQ(c.text(), "/a folder/mp.dll -identify \"x y\"");
    EXPECT_EQ(c.argv(), QStringList({"/a folder/mp.dll", "-identify", "x y"}));
    EXPECT_TRUE(CommandLine().argv().isEmpty());
}

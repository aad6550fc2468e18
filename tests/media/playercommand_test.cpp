// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/appfolder.h"
#include "media/playercommand.h"
#include "preview/clipstate.h"

#include <gtest/gtest.h>

TEST(PlayerCommand, FourSpellingsDifferOnlyInBlanks)
{
    const QString head = " -framedrop   -colorkey  0  -nokeepaspect   -framedrop   -autosync   100";
    EXPECT_EQ(PlayerCommand::options(PlayerCommand::Blanks::Vo3Vf2),
              head + "   -vo gl2  -vf   screenshot ");
    EXPECT_EQ(PlayerCommand::options(PlayerCommand::Blanks::Vo4Vf1),
              head + "    -vo gl2 -vf   screenshot ");
    EXPECT_EQ(PlayerCommand::options(PlayerCommand::Blanks::Vo4Vf2),
              head + "    -vo gl2  -vf   screenshot ");
    EXPECT_EQ(PlayerCommand::options(PlayerCommand::Blanks::Vo3Vf3),
              head + "   -vo gl2   -vf   screenshot ");
}

TEST(PlayerCommand, PathsStayWholeArguments)
{
    setAppFolder("/opt/klevar app");
    const QString file = "/videos/a \"b\"; $(rm -rf x).avi";
    const CommandLine c = PlayerCommand::build(file, 4194307, 25, PlayerCommand::Blanks::Vo3Vf3);
    EXPECT_EQ(c.text(), "\"/opt/klevar app/mp.dll\" -ss 25 -wid  4194307" +
                            PlayerCommand::options(PlayerCommand::Blanks::Vo3Vf3) + "\"" + file +
                            "\"");
    EXPECT_EQ(c.program(), "/opt/klevar app/mp.dll");
    EXPECT_EQ(c.arguments().first(), "-ss");
    EXPECT_EQ(c.arguments().last(), file);
    EXPECT_EQ(c.arguments().mid(2, 2), QStringList({"-wid", "4194307"}));

    const CommandLine negative =
        PlayerCommand::build("/v.avi", -12, std::nullopt, PlayerCommand::Blanks::Vo3Vf2);
    EXPECT_TRUE(negative.text().startsWith("\"/opt/klevar app/mp.dll\" -wid -12 -framedrop"));
    setAppFolder(QString());
}

TEST(ClipState, WatermarkTextRoundTrips)
{
    ClipState state;
    state.readWatermark("  image;/pics/logo one.png;area;Bottom right corner ");
    EXPECT_EQ(state.WatermarkImage, "/pics/logo one.png");
    EXPECT_EQ(state.WatermarkPlace, "Bottom right corner");
    EXPECT_EQ(ClipState::watermarkText(state.WatermarkImage, state.WatermarkPlace),
              "image;/pics/logo one.png;area;Bottom right corner");
    state.readWatermark("   ");
    EXPECT_TRUE(state.WatermarkImage.isEmpty() && state.WatermarkPlace.isEmpty());
    state.readWatermark("image;/a.png");
    EXPECT_EQ(state.WatermarkImage, "/a.png");
    EXPECT_TRUE(state.WatermarkPlace.isEmpty());
}

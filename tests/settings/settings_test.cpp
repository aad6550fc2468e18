// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/programfolder.h"
#include "settings/inifile.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

TEST(Settings, OutputFolderFallsBackToTheProgramFolder)
{
    ProgramFolder folder;
    const QString program = folder.path().chopped(1);
    EXPECT_EQ(Settings::outputFolder(), program);
    for (const char *zero : {"0", "00", " 0 ", "0.0"}) {
        Settings::write(Settings::OutputFolderKey, zero);
        EXPECT_EQ(Settings::outputFolder(), program) << zero;
    }
    Settings::write(Settings::OutputFolderKey, "0abc");
    EXPECT_EQ(Settings::outputFolder(), "0abc");
    Settings::write(Settings::OutputFolderKey, "/home/me/Videos out");
    EXPECT_EQ(Settings::outputFolder(), "/home/me/Videos out");
}

TEST(Settings, NumbersAtTheStartOfEachValueDecide)
{
    ProgramFolder folder;
    EXPECT_TRUE(Settings::keepExistingFile());
    EXPECT_FALSE(Settings::autoShutdown());
    EXPECT_EQ(Settings::threadCount(), 0);
    EXPECT_EQ(Settings::profile(), 0);

    Settings::write(Settings::ExistedFileKey, "1");
    Settings::write(Settings::AutoShutKey, "1");
    Settings::write(Settings::ThreadKey, "4abc");
    EXPECT_FALSE(Settings::keepExistingFile());
    EXPECT_TRUE(Settings::autoShutdown());
    EXPECT_EQ(Settings::threadCount(), 4);

    Settings::write(Settings::ExistedFileKey, "yes");
    Settings::write(Settings::AutoShutKey, "2");
    EXPECT_TRUE(Settings::keepExistingFile());
    EXPECT_FALSE(Settings::autoShutdown());
}

TEST(Settings, ProfileIsWrittenUnderSetAndReadUnderAnyCase)
{
    ProgramFolder folder;
    ASSERT_TRUE(Settings::setProfile(7));
    EXPECT_EQ(IniFile::read(folder.settingsFile(), "set", "profile"), "7");
    EXPECT_EQ(Settings::profile(), 7);
    Settings::write(Settings::ProfileKey, "12 entries");
    EXPECT_EQ(Settings::profile(), 12);
    Settings::write(Settings::ProfileKey, "none");
    EXPECT_EQ(Settings::profile(), 0);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/probecommand.h"

#include "common/mediafixtures.h"
#include "common/programfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

TEST(ProbeCommand, PrintsOneTabSeparatedLinePerFileInOrder)
{
    ProgramFolder folder;
    QTemporaryDir dir;
    const QString good = dir.filePath("good clip.mkv");
    ASSERT_TRUE(MediaFixtures::make(good, 2));
    ASSERT_TRUE(QFile::copy(good, dir.filePath("-dash.mkv")));
    const QString odd = dir.filePath("tab\there\nline\\back.mkv");
    ASSERT_TRUE(QFile::copy(good, odd));

    // A relative name is taken from the working folder; one that starts with "-" is
    // still a file, not an option of the player.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QString text, said;
    QTextStream out(&text), err(&said);
    const int rc =
        ProbeCommand().run({good, dir.filePath("none.avi"), "--", "-dash.mkv", odd}, out, err);
    QDir::setCurrent(before);

    // Every name has its line, but one of them is no file: the run says so.
    EXPECT_EQ(rc, 1);
    const QStringList lines = text.split('\n');
    ASSERT_EQ(lines.size(), 5) << text.toStdString();
    EXPECT_EQ(lines[0], good + "\t0:00:00\t0:00:02\t320x240\tH264\t0:00:02");
    EXPECT_EQ(lines[1], dir.filePath("none.avi") + "\t0:00:00\t\t0x0\t\t");
    EXPECT_EQ(lines[2], QDir(dir.path()).canonicalPath() +
                            "/-dash.mkv\t0:00:00\t0:00:02\t320x240\tH264\t0:00:02");
    // A tab, a line break or a backslash in the name is escaped: still six fields.
    EXPECT_EQ(lines[3], dir.path() + "/tab\\there\\nline\\\\back.mkv"
                                     "\t0:00:00\t0:00:02\t320x240\tH264\t0:00:02");
    EXPECT_EQ(lines[4], "");

    QString nothing;
    QTextStream none(&nothing);
    EXPECT_EQ(ProbeCommand().run({}, none, err), 2);
    EXPECT_TRUE(nothing.isEmpty());
}

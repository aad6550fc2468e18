// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/smalldisk.h"
#include "common/testfiles.h"
#include "settings/inifile.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <unistd.h>

using namespace TestFiles;

TEST(IniFile, SectionsAndKeysMatchWithoutRegardToCase)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.dat");
    WriteIni(path, "Set", "profile", "7");
    WriteIni(path, "set", "OutputFolder", "/videos");
    EXPECT_EQ(ReadIni(path, "SET", "Profile"), "7");
    EXPECT_EQ(ReadIni(path, "set", "outputfolder"), "/videos");
    // Both writes went into the one section created by the first.
    EXPECT_EQ(contentsOf(path), QByteArray("[Set]\nprofile=7\nOutputFolder=/videos\n"));
    WriteIni(path, "set", "PROFILE", "8");
    EXPECT_EQ(
        contentsOf(path),
        QByteArray("[Set]\nprofile=8\nOutputFolder=/videos\n").replace("profile=8", "PROFILE=8"));
}

TEST(IniFile, MissingFileSectionOrKeyReadsEmpty)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.dat");
    EXPECT_EQ(ReadIni(path, "set", "thread"), "");
    store(path, "[other]\nthread=4\n");
    EXPECT_EQ(ReadIni(path, "set", "thread"), "");
    EXPECT_EQ(ReadIni(path, "other", "threads"), "");
}

TEST(IniFile, ValuesAreTrimmedAndCutOnReadAndWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.dat");
    store(path, "[set]\n  thread =   4  \r\n");
    EXPECT_EQ(ReadIni(path, "set", "thread"), "4");

    const QString folder = "/" + QString(199, QChar('f'));
    WriteIni(path, "set", "outputfolder", folder);
    EXPECT_TRUE(contentsOf(path).contains("outputfolder=" + folder.left(128).toUtf8() + "\r\n"));
    EXPECT_FALSE(contentsOf(path).contains(folder.left(129).toUtf8()));
    EXPECT_EQ(ReadIni(path, "set", "outputfolder"), folder.left(127));
}

TEST(IniFile, UnknownLinesKeysAndSectionsSurviveAWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.dat");
    const QByteArray before = "; a comment\r\n[set]\r\nprofile=3\r\nmystery line\r\ncolour=blue\r\n"
                              "\r\n[window]\r\nleft=10\r\n";
    store(path, before);
    WriteIni(path, "set", "profile", "12");
    WriteIni(path, "set", "thread", "2");
    EXPECT_EQ(contentsOf(path),
              QByteArray("; a comment\r\n[set]\r\nprofile=12\r\nmystery line\r\n"
                         "colour=blue\r\nthread=2\r\n\r\n[window]\r\nleft=10\r\n"));
    WriteIni(path, "window", "top", "5");
    EXPECT_TRUE(contentsOf(path).endsWith("left=10\r\ntop=5\r\n"));

    // A value with a line break (a folder may be named so) would write lines of its own.
    const QByteArray kept = contentsOf(path);
    EXPECT_FALSE(IniFile::write(path, "set", "outputfolder", "/tmp/a\n[set]\nprofile=99"));
    EXPECT_FALSE(IniFile::write(path, "set", "outputfolder", "/tmp/b\rc"));
    EXPECT_EQ(contentsOf(path), kept);
}

TEST(IniFile, ContentThatIsNotTextIsReadAndKeptWithoutACrash)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.dat");
    QRandomGenerator random(20261208);
    QByteArray junk;
    for (int i = 0; i < 70000; ++i)
        junk.append(char(random.bounded(256)));
    junk.replace('[', 'x').replace('\n', 'y').replace('\r', 'w');
    const QByteArray before = junk + "\n[set]\nthread=3\n" + QByteArray(300000, 'z');
    store(path, before);
    EXPECT_EQ(ReadIni(path, "set", "thread"), "3");
    WriteIni(path, "set", "autoshut", "1");
    const QByteArray after = contentsOf(path);
    EXPECT_TRUE(after.startsWith(junk + "\n[set]\nthread=3\n"));
    EXPECT_EQ(ReadIni(path, "set", "autoshut"), "1");
    EXPECT_EQ(after.size(), before.size() + QByteArray("\nautoshut=1\n").size());

    store(path, QByteArray(100000, '\0'));
    EXPECT_EQ(ReadIni(path, "set", "thread"), "");
    WriteIni(path, "set", "thread", "1");
    EXPECT_TRUE(contentsOf(path).startsWith(QByteArray(100000, '\0')));
    EXPECT_EQ(ReadIni(path, "set", "thread"), "1");
}

// A write that cannot complete must leave the old file exactly as it was.
TEST(IniFile, FailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + "/settings.dat";
    store(path, "[set]\nthread=4\n");
    // Root ignores permission bits, so an immutable folder stands in for a read-only one.
    const bool root = geteuid() == 0;
    if (root) {
        if (QProcess::execute("chattr", {"+i", folder}) != 0)
            GTEST_SKIP() << "cannot make a folder read-only here";
    } else {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    const bool written = IniFile::write(path, "set", "thread", "8");
    if (root)
        QProcess::execute("chattr", {"-i", folder});
    else
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(written);
    EXPECT_EQ(contentsOf(path), QByteArray("[set]\nthread=4\n"));
}

// On a full disk the new contents cannot all be written: the old file stays, byte for byte.
TEST(IniFile, FullDiskKeepsTheOldFile)
{
    SmallDisk disk(64);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.why().toStdString();
    const QString path = disk.path() + "settings.dat";
    const QByteArray old = "[set]\noutputfolder=/home/me/Videos\nthread=4\n";
    store(path, old);
    ASSERT_TRUE(disk.fill());
    EXPECT_FALSE(IniFile::write(path, "set", "outputfolder", QString(100, 'v')));
    EXPECT_FALSE(IniFile::write(path, "profile", "profile", "7"));
    EXPECT_EQ(contentsOf(path), old);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "a temporary file was left behind";
}

// The same for a write refused for another reason: here the process may not make files
// larger than a few bytes, so the last flush fails.
TEST(IniFile, WriteCutShortKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.dat");
    const QByteArray old = "[set]\nthread=4\n";
    store(path, old);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 20;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = IniFile::write(path, "set", "outputfolder", "/a/folder/longer/than/that");
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(written);
    EXPECT_EQ(contentsOf(path), old);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/safefile.h"
#include "common/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestFiles;

// Whatever is planted at a name, no write goes through it and no open waits on it: each
// way of writing refuses at once, saying what is there, and leaves it and whatever it
// leads to as they were.
TEST(SafeFile, NothingButARegularFileOfTheUserIsWrittenOrWaitedOn)
{
    QTemporaryDir dir;
    const QString outside = dir.filePath("outside.dat");
    store(outside, "precious");
    const std::pair<const char *, std::function<bool(const QByteArray &)>> planted[] = {
        {"symbolic link", [&](const QByteArray &at) { return ::symlink("outside.dat", at) == 0; }},
        {"named pipe", [](const QByteArray &at) { return ::mkfifo(at, 0600) == 0; }},
        {"a folder", [](const QByteArray &at) { return ::mkdir(at, 0700) == 0; }},
        {"another user", [](const QByteArray &at) {
             // Only root can give a file away.
             return ::geteuid() == 0 && ::close(::creat(at, 0644)) == 0 && ::chown(at, 1, 1) == 0;
         }}};
    for (const auto &[told, plant] : planted) {
        SCOPED_TRACE(told);
        const QString at = dir.filePath(QString::fromLatin1(told).replace(' ', '_'));
        if (!plant(QFile::encodeName(at)))
            continue;
        QFile file(at);
        QString why;
        EXPECT_FALSE(SafeFile::openForWriting(file, SafeFile::Write::Append, &why));
        EXPECT_TRUE(why.startsWith(at) && why.contains(told)) << why.toStdString();
        EXPECT_FALSE(SafeFile::writeWhole(at, "new"));
        EXPECT_EQ(contentsOf(outside), "precious");
    }
    // Reading follows a link to a file, but never waits on a pipe.
    QFile throughLink(dir.filePath("symbolic_link"));
    EXPECT_TRUE(SafeFile::openForReading(throughLink));
    QFile pipe(dir.filePath("named_pipe"));
    EXPECT_FALSE(SafeFile::openForReading(pipe));
    // A file replaced whole keeps its permissions and leaves nothing beside it.
    ASSERT_TRUE(QFile::setPermissions(outside, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(SafeFile::writeWhole(outside, "new"));
    EXPECT_EQ(contentsOf(outside), "new");
    EXPECT_EQ(QFile::permissions(outside) & 0x0fff, QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".new"), QStringList());
}

#include "common/safefile.h"
#include "common/smalldisk.h"
#include "common/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    struct Planted
    {
        const char *name;
        std::function<bool(const QString &)> make;
        const char *told;
    };
    const Planted planted[] = {
        {"link", [&](const QString &at) { return QFile::link(outside, at); }, "symbolic link"},
        {"pipe", [](const QString &at) { return ::mkfifo(QFile::encodeName(at), 0600) == 0; },
         "named pipe"},
        {"folder", [](const QString &at) { return QDir().mkdir(at); }, "a folder"},
        {"theirs",
         [](const QString &at) {
             QFile file(at);
             return ::geteuid() == 0 && file.open(QIODevice::WriteOnly) &&
                    ::fchown(file.handle(), 65534, 65534) == 0;
         },
         "another user"},
    };
    for (const Planted &p : planted) {
        SCOPED_TRACE(p.name);
        const QString at = dir.filePath(p.name);
        if (!p.make(at))
            continue; // another user's file needs root to be made
        for (const auto how :
             {SafeFile::Write::Replace, SafeFile::Write::Append, SafeFile::Write::CreateNew}) {
            QFile file(at);
            QString why;
            EXPECT_FALSE(SafeFile::openForWriting(file, how, &why));
            if (how != SafeFile::Write::CreateNew) {
                EXPECT_TRUE(why.contains(p.told)) << why.toStdString();
            }
        }
        QString why;
        EXPECT_FALSE(SafeFile::writeWhole(at, "new", &why));
        EXPECT_TRUE(why.startsWith(at)) << why.toStdString();
        EXPECT_EQ(contentsOf(outside), "precious");
    }
    // Reading follows a link to a file, but never waits on a pipe.
    QFile throughLink(dir.filePath("link"));
    EXPECT_TRUE(SafeFile::openForReading(throughLink));
    QFile pipe(dir.filePath("pipe"));
    QString why;
    EXPECT_FALSE(SafeFile::openForReading(pipe, &why));
    EXPECT_TRUE(why.contains("named pipe"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".new"),
              QStringList());
}

TEST(SafeFile, AWholeWriteKeepsThePermissionsAndOnAFullDiskTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.dat");
    store(path, "old");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(SafeFile::writeWhole(path, "new"));
    EXPECT_EQ(contentsOf(path), "new");
    EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                            QFile::WriteUser);

    SmallDisk disk(64);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.why().toStdString();
    store(disk.path() + "cached.jpg", "old");
    ASSERT_TRUE(disk.fill());
    QString why;
    EXPECT_FALSE(SafeFile::writeWhole(disk.path() + "cached.jpg", QByteArray(300000, 'j'), &why));
    EXPECT_EQ(why, "No space left on device: " + QDir::cleanPath(disk.path()));
    EXPECT_EQ(contentsOf(disk.path() + "cached.jpg"), "old");
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

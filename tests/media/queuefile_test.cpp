// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/conversionlist.h"
#include "media/mediaprobe.h"
#include "media/queuefile.h"
#include "media/queuekeeper.h"

#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "common/smalldisk.h"
#include "common/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>

using TestFiles::contentsOf;
using TestFiles::store;
using Row = QueueFile::Row;

namespace {
// Names a user's files really have, and the characters the file's own layout uses.
const QList<Row> OddRows = {
    {"/v/plain.avi", "0:00:00", "0:00:10", "", ""},
    {"/v/with blanks and 'quotes' \"too\".mkv", "0:00:02", "0:01:00", "", "Fail"},
    {"/v/$HOME;rm -rf ~;`x`.mp4", "0:00:00", "0:00:03", "image;/p/logo $1.png;area;Center",
     "Cancel"},
    {"/v/-leading dash.avi", "", "", "", "Processing"},
    {"/v/Ferien Köln 東京 😀.webm", "0:00:01", "0:00:09", "", "OK"},
    {"/v/tab\there\nnew line\rcarriage.avi", "0:00:00", "0:00:05",
     "image;/p/a\tb\\n;c.png;area;Top left corner", ""},
    {"/v/back\\slash\\t\\\\.avi", "0:00:00", "0:00:05", "", ""},
};
} // namespace

TEST(QueueFile, AnyNameAndFieldReadBackAsWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("queue.dat");
    ASSERT_TRUE(QueueFile::write(path, OddRows));
    // One header line and one line per row, whatever the names hold.
    EXPECT_EQ(contentsOf(path).count('\n'), OddRows.size() + 1);
    const QueueFile::Reading reading = QueueFile::read(path);
    EXPECT_TRUE(reading.error.isEmpty()) << reading.error.toStdString();
    EXPECT_EQ(reading.rows, OddRows);

    ASSERT_TRUE(QueueFile::write(path, {}));
    EXPECT_TRUE(QueueFile::read(path).rows.isEmpty());
    EXPECT_TRUE(QueueFile::read(dir.filePath("none.dat")).error.isEmpty());
}

TEST(QueueFile, AFailedWriteLeavesTheOldFileWhole)
{
    SmallDisk disk(64);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.why().toStdString();
    const QString path = disk.path() + "queue.dat";
    ASSERT_TRUE(QueueFile::write(path, OddRows.mid(0, 2)));
    const QByteArray before = contentsOf(path);
    ASSERT_TRUE(disk.fill());
    QList<Row> many;
    for (int i = 0; i < 2000; ++i)
        many << Row{QStringLiteral("/v/file %1.avi").arg(i), "0:00:00", "0:00:10", "", ""};
    QString why;
    EXPECT_FALSE(QueueFile::write(path, many, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_EQ(contentsOf(path), before);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "a temporary file was left behind";
}

TEST(QueueFile, AnUnreadableFileIsSetAsideAndToldOnce)
{
    const QByteArray header = "klevar queue 1\n";
    const QList<QByteArray> damaged = {
        "",
        "some other file\n",
        header + "/v/a.avi\t0:00:00\t0:00:10\t\t",          // cut in its last line
        header + "/v/a.avi\t0:00:00\t0:00:10\n",            // a field short
        header + "/v/a.avi\t0:00:00\t0:00:10\t\t\t\n",      // a field too many
        header + "/v/a\\q.avi\t0:00:00\t0:00:10\t\t\n",     // no such escape
        header + "/v/a.avi\t0:00:00\t0:00:10\t\t\\\n",      // a lone backslash
        header + "\t0:00:00\t0:00:10\t\t\n",                // no file
        header + "/v/\xff\xfe.avi\t0:00:00\t0:00:10\t\t\n", // not UTF-8
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("queue.dat");
    for (const QByteArray &bytes : damaged) {
        SCOPED_TRACE(bytes.toStdString());
        store(path, bytes);
        const QueueFile::Reading reading = QueueFile::read(path);
        EXPECT_FALSE(reading.error.isEmpty());
        EXPECT_TRUE(reading.rows.isEmpty());
        EXPECT_EQ(reading.setAsideAs, QueueFile::setAsideName(path));
        EXPECT_EQ(contentsOf(QueueFile::setAsideName(path)), bytes);
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(QueueFile::read(path).error.isEmpty()) << "told a second time";
    }
    // A pipe at the name is refused without waiting for a writer.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_FALSE(QueueFile::read(path).error.isEmpty());
    EXPECT_TRUE(QFileInfo(QueueFile::setAsideName(path)).exists());
}

// The keeper and the probe together: what the file holds follows the list, the files
// still waiting included, and a start brings back what was not converted.
TEST(QueueKeeper, TheFileFollowsTheQueueAndBringsBackWhatWasNotConverted)
{
    ProgramFolder folder;
    QTemporaryDir media;
    const QString one = media.filePath("one $;'x.avi");
    const QString two = media.filePath("two\tnew\nline.avi");
    ASSERT_TRUE(MediaFixtures::make(one, 3));
    ASSERT_TRUE(MediaFixtures::make(two, 3));
    const QString path = folder.file("queue.dat");
    {
        ConversionList list;
        MediaProbe probe(&list);
        probe.setParallel(1);
        QueueKeeper keeper(&list, &probe, path);
        for (const QString &file : {one, two, one, media.filePath("gone.avi")})
            probe.AddVideoFile(file);
        keeper.flush();
        // The file waiting for the one player is in the file already.
        EXPECT_EQ(QueueFile::read(path).rows.size(), 4);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !probe.isBusy(); }, 30000));
        list.setText(0, ConversionList::Status, "OK");
        list.setText(1, ConversionList::Start, "0:00:01");
        list.setText(1, ConversionList::End, "0:00:02");
        list.setText(1, ConversionList::Watermark, "image;/p/logo.png;area;Center");
        list.setText(2, ConversionList::Status, "Processing");
        QFile::remove(media.filePath("gone.avi"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return QueueFile::read(path).rows == keeper.rows(); },
                                    QueueKeeper::WriteDelayMs * 5));
    }
    ConversionList list;
    MediaProbe probe(&list);
    QueueKeeper keeper(&list, &probe, path);
    const QueueKeeper::Restored restored = keeper.restore();
    EXPECT_EQ(restored.rows, 2);
    EXPECT_EQ(restored.missing, 1);
    EXPECT_EQ(QueueKeeper::restoredText(restored),
              "Restored 2 files not yet converted; 1 file of the queue no longer found.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !probe.isBusy(); }, 30000));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.text(0, ConversionList::FileName), two);
    EXPECT_EQ(list.text(0, ConversionList::Start), "0:00:01");
    EXPECT_EQ(list.text(0, ConversionList::End), "0:00:02");
    EXPECT_EQ(list.text(0, ConversionList::Watermark), "image;/p/logo.png;area;Center");
    EXPECT_EQ(list.text(0, ConversionList::Size), "320x240") << "not probed again";
    EXPECT_EQ(list.text(1, ConversionList::FileName), one);
    EXPECT_EQ(list.text(1, ConversionList::Status), "") << "a row that ran waits again";
    keeper.flush();
    EXPECT_EQ(QueueFile::read(path).rows, keeper.rows()) << "the converted row left the file";
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/mediafixtures.h"
#include "common/smalldisk.h"
#include "common/testfiles.h"
#include "convert/outputfile.h"
#include "runfixture.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

// A row's output is written whole or not at all, and never over its own input.
using namespace TestFiles;

namespace {
// Everything in the folder, hidden files included.
QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

const QByteArray Earlier(200, 'e');
} // namespace

TEST_F(RunFixture, AFailedRowKeepsTheEarlierOutputAndLeavesNoPart)
{
    useFakeEncoder();
    Settings::write(Settings::ExistedFileKey, "1");
    // An encoder that exits 0 without writing, and one that fails half-way.
    addRow(clip("empty.avi"));
    addRow(clip("halfway.avi"));
    store(output("empty.mp4"), Earlier);
    store(output("halfway.mp4"), Earlier);
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"Fail", "Fail"}));
    EXPECT_EQ(contentsOf(output("empty.mp4")), Earlier);
    EXPECT_EQ(contentsOf(output("halfway.mp4")), Earlier);
    EXPECT_EQ(filesIn(m_out.path()), QStringList({"empty.mp4", "halfway.mp4"}));
}

TEST_F(RunFixture, AConversionReplacesTheEarlierOutputOnlyWhenDone)
{
    Settings::write(Settings::ExistedFileKey, "1");
    addRow(clip("holiday.avi"));
    store(output("holiday.mp4"), Earlier);
    // While the encoder works, the earlier file is still whole under its name.
    QByteArray meanwhile;
    QObject::connect(m_run.get(), &ConversionRun::rowStarted,
                     [&] { meanwhile = contentsOf(output("holiday.mp4")); });
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"OK"}));
    EXPECT_EQ(meanwhile, Earlier);
    EXPECT_NEAR(MediaFixtures::duration(output("holiday.mp4")), 2.0, 0.2);
    EXPECT_EQ(filesIn(m_out.path()), QStringList({"holiday.mp4"}));
}

TEST_F(RunFixture, ClosingInTheMiddleLeavesNoPartAndTheEarlierFile)
{
    Settings::write(Settings::ExistedFileKey, "1");
    store(output("long.mp4"), Earlier);
    ASSERT_TRUE(startSlowRow("long.mp4"));
    m_run->stop();
    EXPECT_EQ(contentsOf(output("long.mp4")), Earlier);
    EXPECT_EQ(filesIn(m_out.path()), QStringList({"long.mp4"}));
}

TEST_F(RunFixture, AFullDiskFailsTheRowAndKeepsTheEarlierFile)
{
    SmallDisk disk(64);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.why().toStdString();
    Settings::write(Settings::OutputFolderKey, disk.path());
    Settings::write(Settings::ExistedFileKey, "1");
    addRow(clip("big.avi", 4), 4);
    store(disk.path() + "big.mp4", Earlier);
    ASSERT_TRUE(disk.fill());
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"Fail"}));
    EXPECT_EQ(m_list.toolTip(0), "No space left on device: " + QDir::cleanPath(disk.path()));
    EXPECT_EQ(contentsOf(disk.path() + "big.mp4"), Earlier);
    EXPECT_EQ(filesIn(disk.path()), QStringList({".filler", "big.mp4"}));
}

TEST_F(RunFixture, CancelKeepsThePartialUnderTheNextFreeNameNeverOverAnEarlierFile)
{
    Settings::write(Settings::ExistedFileKey, "1");
    store(output("long.mp4"), Earlier);
    store(output("long_New.mp4"), Earlier);
    ASSERT_TRUE(startSlowRow("long.mp4"));
    m_run->cancel();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QFileInfo::exists(output("long_New_New.mp4")); }, 10000));
    EXPECT_EQ(contentsOf(output("long.mp4")), Earlier);
    EXPECT_EQ(contentsOf(output("long_New.mp4")), Earlier);
    EXPECT_GT(MediaFixtures::duration(output("long_New_New.mp4")), 0);
    EXPECT_EQ(filesIn(m_out.path()), QStringList({"long.mp4", "long_New.mp4", "long_New_New.mp4"}));
}

// A link at the hidden name is no file of the run's: the row fails, and neither the link
// nor what it leads to changes.
TEST_F(RunFixture, ALinkAtTheHiddenNameFailsTheRow)
{
    const QString outside = m_media.filePath("outside.dat");
    store(outside, Earlier);
    addRow(clip("linked.avi"));
    const QString linked = OutputFile::partPathFor(output("linked.mp4"));
    ASSERT_TRUE(QFile::link(outside, linked));
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"Fail"}));
    EXPECT_TRUE(m_list.toolTip(0).contains("symbolic link")) << m_list.toolTip(0).toStdString();
    EXPECT_EQ(contentsOf(outside), Earlier);
    EXPECT_EQ(filesIn(m_out.path()), QStringList({QFileInfo(linked).fileName()}));
}

TEST_F(RunFixture, ASilentEncoderFailsItsRowAfterTheStallLimitAndTheRunGoesOn)
{
    useFakeEncoder(); // "stubborn" neither speaks nor writes
    m_run->setStallLimit(1500);
    addRow(clip("stubborn.avi"));
    addRow(clip("two.avi"));
    m_run->start();
    ChildProgram *job = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (job = m_run->findChild<ChildProgram *>()); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return job->processId() != 0; }, 5000));
    const qint64 encoder = job->processId();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_outcomes.isEmpty(); }, 30000));
    EXPECT_EQ(statuses(), QStringList({"Fail", "OK"}));
    EXPECT_TRUE(m_list.toolTip(0).startsWith("The encoder stopped responding"))
        << m_list.toolTip(0).toStdString();
    EXPECT_FALSE(processRuns(encoder));
}

TEST_F(RunFixture, TheInputIsNeverTheOutputByAnyPath)
{
    Settings::write(Settings::ExistedFileKey, "1");
    const QString input = clip("same.mp4");
    const QByteArray before = contentsOf(input);
    ASSERT_EQ(::link(QFile::encodeName(input).constData(),
                     QFile::encodeName(output("same.mp4")).constData()),
              0);
    addRow(input);
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"Fail"}));
    EXPECT_TRUE(m_list.toolTip(0).contains("input file itself"));
    EXPECT_EQ(contentsOf(input), before);
    EXPECT_EQ(contentsOf(output("same.mp4")), before);

    QFile::remove(output("same.mp4"));
    ASSERT_TRUE(QFile::link(input, output("same.mp4")));
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"Fail"}));
    EXPECT_EQ(contentsOf(input), before);
    EXPECT_TRUE(QFileInfo(output("same.mp4")).isSymLink());
}

TEST_F(RunFixture, TotalProgressCountsRowsDoneAndNeverPassesAHundred)
{
    // Rows that fail at once: only the arithmetic of the total is seen here.
    useFakeEncoder();
    for (int i = 0; i < 15; ++i)
        addRow(clip(QStringLiteral("silent%1.avi").arg(i)));
    ASSERT_TRUE(convert());
    QList<int> expected = {0};
    for (int done = 1; done <= 15; ++done)
        expected << done * 100 / 15;
    expected << 100 << 0;
    EXPECT_EQ(m_totals, expected);
}

TEST(OutputFile, ThePartIsHiddenBesideTheOutputWithItsExtension)
{
    EXPECT_EQ(OutputFile::partPathFor("/v/out/holiday clip.mp4"),
              "/v/out/.holiday clip.klevar-part.mp4");
    EXPECT_EQ(OutputFile::partPathFor("/v/-x"), "/v/.-x.klevar-part");
    // A name at the file system's limit still gives a part name within it.
    const QString longName = "/v/" + QString(120, QChar(0xe9)) + ".mkv";
    const QString part = OutputFile::partPathFor(longName);
    EXPECT_LE(QFileInfo(part).fileName().toUtf8().size(), 255);
    EXPECT_TRUE(part.endsWith(".klevar-part.mkv"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/childprogram.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "common/smalldisk.h"
#include "screenrecording.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

using namespace ScreenRecording;

namespace {
// klevar run from the build folder, its standard output and error kept apart.
struct Klevar
{
    ChildProgram program;
    QString out;
    QStringList err;

    explicit Klevar(const QStringList &arguments)
    {
        program.setOutput(ChildProgram::Output::RawAndErrLines);
        QObject::connect(&program, &ChildProgram::rawOutputReceived,
                         [this](const QByteArray &bytes) { out += QString::fromUtf8(bytes); });
        QObject::connect(&program, &ChildProgram::lineReceived,
                         [this](const QString &line) { err << line; });
        program.start(ProgramFolder::buildFolder() + "/klevar", arguments);
    }
    int finish(int ms = 60000)
    {
        QSignalSpy finished(&program, &ChildProgram::finished);
        if (!program.hasEnded() && !finished.wait(ms))
            return -1;
        return program.exitCode();
    }
    QStringList lines() const { return out.split('\n', Qt::SkipEmptyParts); }
};

const QRegularExpression
    StatisticsLine("^(\\d+) frames \\((\\d+) dropped\\) - (\\d+\\.\\d\\d) sec\\.$");
} // namespace

TEST(CaptureCommandLine, RecordsTheScreenForTheSecondsAskedAndPrintsTheStatistics)
{
    Klevar list({"--list-capture-devices"});
    ASSERT_EQ(list.finish(), 0);
    const QString last = list.lines().value(list.lines().size() - 1);
    ASSERT_TRUE(last.endsWith("\tScreen " + qEnvironmentVariable("DISPLAY"))) << last.toStdString();
    const QString screen = last.section('\t', 0, 0);

    ProgramFolder folder; // the encoder that reads the file back
    QTemporaryDir dir;
    const QString file = dir.filePath("cli take.avi");
    Klevar capture({"--capture", "--device", screen, "--seconds", "2", "--", file});
    ASSERT_EQ(capture.finish(), 0) << capture.err.join('\n').toStdString();
    const QStringList lines = capture.lines();
    ASSERT_GE(lines.size(), 2) << "every second and at the end";
    for (const QString &line : lines)
        EXPECT_TRUE(StatisticsLine.match(line).hasMatch()) << line.toStdString();
    const auto final = StatisticsLine.match(lines.last());
    EXPECT_EQ(final.captured(3), "2.00");
    EXPECT_EQ(final.captured(1).toLongLong(), frameCount(file));
    EXPECT_NEAR(MediaFixtures::duration(file), 2.0, 0.05);
}

TEST(CaptureCommandLine, BadArgumentsMissingDevicesAndUnwritableTargetsHaveTheirCodes)
{
    Klevar noSeconds({"--capture", "x.avi"});
    EXPECT_EQ(noSeconds.finish(), 2);
    Klevar noDevice({"--capture", "--device", "99", "--seconds", "1", "/tmp/x.avi"});
    EXPECT_EQ(noDevice.finish(), 2);
    EXPECT_TRUE(noDevice.err.join('\n').contains("no capture device 99"));
    Klevar unwritable({"--capture", "--device", "0", "--seconds", "1", "/no/such folder/x.avi"});
    EXPECT_EQ(unwritable.finish(), 1);
    EXPECT_TRUE(unwritable.err.join('\n').contains("/no/such folder"));
}

TEST(CaptureCommandLine, InterruptedRecordingIsFinishedAndKept)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("cut.avi");
    Klevar capture({"--capture", "--seconds", "60", file});
    // Interrupted once more than a second is recorded, however slowly a busy machine
    // records.
    const auto recorded = [&] {
        const QRegularExpressionMatch last =
            StatisticsLine.match(capture.lines().value(capture.lines().size() - 1));
        return last.hasMatch() ? last.captured(3).toDouble() : 0.0;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorded() >= 1.5; }, 20000));
    ::kill(pid_t(capture.program.processId()), SIGINT);
    EXPECT_EQ(capture.finish(20000), 130);
    const double seconds = MediaFixtures::duration(file);
    EXPECT_GT(seconds, 1.0);
    EXPECT_LT(seconds, 30.0);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"cut.avi"}));
}

// A disk that fills up stops the recording while the encoder can still finish the file:
// what was recorded plays, under its name, and the reason names the folder.
TEST(CaptureCommandLine, ARecordingIsStoppedBeforeTheDiskIsFullAndPlays)
{
    SmallDisk disk(1024);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.why().toStdString();
    ProgramFolder folder;
    const QString file = disk.path() + "full.avi";
    Klevar capture({"--capture", "--seconds", "120", file});
    EXPECT_EQ(capture.finish(120000), 1);
    EXPECT_TRUE(
        capture.err.join('\n').contains("No space left on device: " + QDir::cleanPath(disk.path())))
        << capture.err.join('\n').toStdString();
    EXPECT_GT(frameCount(file), 0);
    EXPECT_GT(MediaFixtures::duration(file), 0.5);
    EXPECT_EQ(filesIn(disk.path()), QStringList({"full.avi"}));
}

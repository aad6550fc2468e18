// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/mediafixtures.h"
#include "convert/encodercommand.h"
#include "convert/encoderfragments.h"
#include "media/previewplayer.h"
#include "runfixture.h"
#include "settings/settings.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <sys/resource.h>

using Outcome = ConversionRun::Outcome;
using Icon = Desktop::Icon;

namespace {
QStringList callNames()
{
    QStringList names;
    for (const FakeDesktop::Call &call : FakeDesktop::current().calls)
        names << call.what;
    return names;
}
} // namespace

TEST_F(RunFixture, ThreeRowsConvertWithTheTotalProgressSteps)
{
    for (const char *name : {"one.avi", "two.mkv", "three.avi"})
        addRow(clip(name));
    ASSERT_TRUE(convert());

    EXPECT_EQ(statuses(), QStringList({"OK", "OK", "OK"}));
    EXPECT_EQ(m_totals, QList<int>({0, 33, 66, 100, 100, 0}));
    EXPECT_EQ(m_tracksAtRowEnd, QList<int>({100, 100, 100}));
    EXPECT_EQ(m_outcomes, QList<Outcome>({Outcome::Completed}));
    EXPECT_EQ(m_busy, QList<bool>({true, false}));
    EXPECT_EQ(m_run->trackProgress(), 0);
    for (const char *name : {"one.mp4", "two.mp4", "three.mp4"}) {
        EXPECT_NEAR(MediaFixtures::duration(output(name)), 2.0, 0.2) << name;
        EXPECT_TRUE(MediaFixtures::hasStream(output(name), "audio")) << name;
    }
    // The desktop's notification comes first: the box waits for a click.
    EXPECT_EQ(callNames(), QStringList({"notify", "message", "openFolder"}));
    const auto &calls = FakeDesktop::current().calls;
    EXPECT_EQ(calls[0].text, "Conversion completed!");
    EXPECT_EQ(calls[0].filter, "3 files converted, 0 failed.\n" + m_out.path());
    EXPECT_EQ(calls[1].text, "Conversion completed!");
    EXPECT_EQ(calls[1].icon, Icon::Information);
    EXPECT_EQ(calls[2].text, m_out.path());
    EXPECT_EQ(m_run->encoderProcessId(), 0);

    // A new run starts afresh and the "_New" rule keeps the first outputs.
    FakeDesktop::current().reset();
    m_totals.clear();
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"OK", "OK", "OK"}));
    EXPECT_EQ(m_totals, QList<int>({0, 33, 66, 100, 100, 0}));
    EXPECT_TRUE(QFileInfo::exists(output("two_New.mp4")));
}

TEST_F(RunFixture, EmptyListDoesNothing)
{
    QSignalSpy started(m_run.get(), &ConversionRun::started);
    m_run->start();
    EXPECT_FALSE(m_run->isRunning());
    EXPECT_EQ(started.count(), 0);
    EXPECT_TRUE(FakeDesktop::current().calls.isEmpty());
}

TEST_F(RunFixture, FailedRowsSayWhyAndTheQueueGoesOn)
{
    useFakeEncoder();
    QFile corrupt(m_media.filePath("corrupt.avi"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(5000, '\x17'));
    corrupt.close();
    addRow(clip("tiny.avi"));
    addRow(clip("silent.avi"));
    addRow(corrupt.fileName());
    addRow(clip("good.avi"));
    ASSERT_TRUE(convert());

    EXPECT_EQ(statuses(), QStringList({"Fail", "Fail", "Fail", "OK"}));
    // Too small to be a result: nothing is left under the output's name.
    EXPECT_FALSE(QFileInfo::exists(output("tiny.mp4")));
    EXPECT_FALSE(m_list.toolTip(1).isEmpty());
    EXPECT_TRUE(m_list.toolTip(2).contains("Invalid data found"))
        << m_list.toolTip(2).toStdString();
    EXPECT_FALSE(m_list.toolTip(2).contains("Conversion failed!"));
    EXPECT_TRUE(m_list.toolTip(3).isEmpty());
    EXPECT_EQ(m_totals, QList<int>({0, 25, 50, 75, 100, 100, 0}));
    ASSERT_EQ(FakeDesktop::current().messages().size(), 1);
    EXPECT_TRUE(FakeDesktop::current().messages()[0].startsWith(
        "Conversion completed!\n\n3 of 4 files failed."));
    const auto notices = FakeDesktop::current().callsOf("notify");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0].filter, "1 file converted, 3 failed.\n" + m_out.path());
}

TEST_F(RunFixture, AnUnknownEncoderFailsWithTheEncodersOwnWords)
{
    m_options.setValue("Video Options", "Video Codec", "-vcodec nosuchcodec");
    addRow(clip("a.avi"));
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"Fail"}));
    EXPECT_TRUE(m_list.toolTip(0).contains("Unknown encoder 'nosuchcodec'"))
        << m_list.toolTip(0).toStdString();
}

TEST_F(RunFixture, CancelDuringTheSecondOfThreeRows)
{
    // Slow enough that the second row is still converting when the user cancels.
    m_options.setValue("Video Options", "Video Codec", "x264");
    m_options.setValue("Video Options", "Video Size", "640x480");
    addRow(clip("one.avi"));
    addRow(clip("two.avi", 60), 60);
    addRow(clip("three.avi"));
    qint64 encoder = 0;
    QObject::connect(m_run.get(), &ConversionRun::rowStarted, [&](int row) {
        if (row == 1)
            QTimer::singleShot(1000, [&] {
                encoder = m_run->encoderProcessId();
                m_run->cancel();
            });
    });
    ASSERT_TRUE(convert());

    EXPECT_EQ(statuses(), QStringList({"OK", "Cancel", ""}));
    EXPECT_EQ(m_outcomes, QList<Outcome>({Outcome::Cancelled}));
    ASSERT_EQ(FakeDesktop::current().calls.size(), 1);
    EXPECT_EQ(FakeDesktop::current().calls[0].text, "Conversion Canceled by the user!");
    EXPECT_EQ(FakeDesktop::current().calls[0].icon, Icon::Critical);
    EXPECT_EQ(m_run->totalProgress(), 0);
    // Asked with Q, the encoder quits by itself and closes its file.
    ASSERT_NE(encoder, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !processRuns(encoder); }, 4000));
    EXPECT_GT(MediaFixtures::duration(output("two.mp4")), 0);

    // A later run converts all three again (quickly, this time).
    FakeDesktop::current().reset();
    m_options.setValue("Video Options", "Video Codec", "mpeg4");
    m_options.setValue("Video Options", "Video Size", "Original");
    m_run.get()->disconnect();
    ASSERT_TRUE(convert(120000));
    EXPECT_EQ(statuses(), QStringList({"OK", "OK", "OK"}));
}

TEST_F(RunFixture, AnEncoderThatIgnoresQIsTerminated)
{
    useFakeEncoder();
    addRow(clip("stubborn.avi"));
    m_run->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_run->encoderProcessId() != 0; }, 5000));
    const qint64 encoder = m_run->encoderProcessId();
    QElapsedTimer clock;
    clock.start();
    m_run->cancel();
    EXPECT_EQ(statuses(), QStringList({"Cancel"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !processRuns(encoder); }, 9000));
    EXPECT_GE(clock.elapsed(), 4900);
    EXPECT_LT(clock.elapsed(), 8000);
}

TEST_F(RunFixture, StopLeavesNoEncoderRunning)
{
    useFakeEncoder();
    addRow(clip("stubborn.avi"));
    addRow(clip("two.avi"));
    QSignalSpy ended(m_run.get(), &ConversionRun::finished);
    m_run->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_run->encoderProcessId() != 0; }, 5000));
    const qint64 encoder = m_run->encoderProcessId();
    m_run->stop();
    EXPECT_FALSE(processRuns(encoder));
    EXPECT_EQ(m_outcomes, QList<Outcome>({Outcome::Stopped}));
    EXPECT_EQ(statuses(), QStringList({"Cancel", ""}));
    EXPECT_TRUE(FakeDesktop::current().calls.isEmpty());
}

TEST_F(RunFixture, DeletedInputStopsTheRunThere)
{
    addRow(clip("one.avi"));
    const QString gone = clip("two.avi");
    addRow(gone);
    addRow(clip("three.avi"));
    QFile::remove(gone);
    ASSERT_TRUE(convert());

    EXPECT_EQ(statuses(), QStringList({"OK", "", ""}));
    EXPECT_EQ(m_outcomes, QList<Outcome>({Outcome::MissingInput}));
    ASSERT_EQ(callNames(), QStringList({"message"}));
    EXPECT_EQ(FakeDesktop::current().calls[0].text, "Invalid input file name. " + gone);
    EXPECT_EQ(FakeDesktop::current().calls[0].icon, Icon::Critical);
    EXPECT_FALSE(QFileInfo::exists(output("three.mp4")));
}

TEST_F(RunFixture, ExistingOutputUnderEachRule)
{
    const QString in = clip("a.avi");
    addRow(in);
    QFile old(output("a.mp4"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1000, 'o'));
    old.close();

    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"OK"}));
    EXPECT_EQ(QFileInfo(output("a.mp4")).size(), 1000);
    EXPECT_NEAR(MediaFixtures::duration(output("a_New.mp4")), 2.0, 0.2);

    // Overwriting: the encoder is told so and does not wait for an answer.
    Settings::write(Settings::ExistedFileKey, "1");
    ASSERT_TRUE(convert(30000));
    EXPECT_EQ(statuses(), QStringList({"OK"}));
    EXPECT_NEAR(MediaFixtures::duration(output("a.mp4")), 2.0, 0.2);
    EXPECT_FALSE(QFileInfo::exists(output("a_New_New.mp4")));
}

TEST_F(RunFixture, OverwritingNeverWritesOverTheInput)
{
    Settings::write(Settings::ExistedFileKey, "1");
    Settings::write(Settings::OutputFolderKey, m_media.path());
    m_caption = "007.  AVI Video (*.avi)";
    const QString in = clip("a.avi");
    const QByteArray before = [&] {
        QFile f(in);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    addRow(in);
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"Fail"}));
    EXPECT_FALSE(m_list.toolTip(0).isEmpty());
    QFile after(in);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST_F(RunFixture, ShutdownComesBeforeTheCompletionMessage)
{
    Settings::write(Settings::AutoShutKey, "1");
    addRow(clip("a.avi"));
    ASSERT_TRUE(convert());
    EXPECT_EQ(callNames(), QStringList({"shutdown", "notify", "message", "openFolder"}));
}

TEST_F(RunFixture, FileNamesThatAShellWouldReadConvert)
{
    const QStringList names = {
        "with blanks.avi", "double \"quoted\".avi", "single 'quoted'.avi", "$(touch INJECTED).avi",
        "semi;colon.avi",  "amp & ersand.avi",      "-leading.avi",        "Ünïcødé ñame.avi"};
    for (const QString &name : names)
        addRow(clip(name));
    ASSERT_TRUE(convert(120000));
    EXPECT_EQ(statuses(), QStringList(names.size(), "OK"));
    for (const QString &name : names) {
        const QString out = output(EncoderFragments::baseName(name) + ".mp4");
        EXPECT_NEAR(MediaFixtures::duration(out), 2.0, 0.2) << out.toStdString();
    }
    for (const QString &folder :
         {m_media.path(), m_out.path(), m_program.path(), QDir::currentPath(), QDir::tempPath()}) {
        QDirIterator it(folder, {"INJECTED"}, QDir::AllEntries | QDir::Hidden);
        EXPECT_FALSE(it.hasNext()) << folder.toStdString();
    }
}

TEST_F(RunFixture, ProgressComesFromThisRowsStatisticsOnly)
{
    useFakeEncoder();
    // What an earlier row left: read, it would show this row as done at once.
    QFile stale(EncoderStatisticsFile());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("out= 0 st= 0 frame= 50 q= 2.0 time= 2.000 br= 1.0kbits/s\n");
    stale.close();
    addRow(clip("slow.avi"));
    QList<int> ticks;
    QObject::connect(m_run.get(), &ConversionRun::elapsedChanged, [&](int s) { ticks << s; });
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"OK"}));
    EXPECT_GE(ticks.size(), 3);
    EXPECT_EQ(ticks.mid(0, 3), QList<int>({0, 1, 2}));
    // Only the start's 0 and the end's 100 and 0: nothing from the stale file.
    EXPECT_EQ(m_tracks.first(), 0);
    EXPECT_FALSE(m_tracks.mid(0, m_tracks.indexOf(100)).contains(100));
    EXPECT_EQ(m_tracks.count(100), 1);
}

TEST_F(RunFixture, WaitingForTheEncoderCostsAlmostNoTime)
{
    useFakeEncoder();
    addRow(clip("stubborn.avi"));
    QSignalSpy ended(m_run.get(), &ConversionRun::finished);
    m_run->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_run->encoderProcessId() != 0; }, 5000));
    const auto cpu = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 + usage.ru_utime.tv_usec +
               usage.ru_stime.tv_usec;
    };
    const double before = cpu();
    QTest::qWait(4000);
    const double used = cpu() - before;
    EXPECT_LT(used / 4e6, 0.02) << used / 1000 << " ms of processor time in 4 s";
    m_run->stop();
}

TEST_F(RunFixture, StartingAsksThePreviewToStop)
{
    // A stand-in player that writes down the first key it gets.
    const QString keys = m_media.filePath("keys");
    CommandLine command;
    command.addBare("/bin/sh").addText(" -c ").addBare("head -c 1 > \"$0\"").addBare(keys);
    PreviewPlayer player;
    ASSERT_TRUE(player.play(command));
    m_run->setPreviewPlayer(&player);
    addRow(clip("a.avi"));
    ASSERT_TRUE(convert());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !player.isPlaying(); }, 5000));
    QFile written(keys);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "q");
}

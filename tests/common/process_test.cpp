#include "common/process.h"

#include "common/mediafixtures.h"
#include "common/processwindows.h"
#include "common/programfolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>

namespace {
CommandLine shell(const QString &script)
{
    CommandLine command;
    command.addBare(QStringLiteral("/bin/sh")).addText(QStringLiteral(" -c ")).addBare(script);
    return command;
}

bool processExists(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}
} // namespace

TEST(Process, ChildWithoutOutputReturnsItsExitCode)
{
    Process p;
    p.Command = shell(QStringLiteral("exit 3"));
    QSignalSpy finished(&p, &Process::Finished);
    p.Launch();
    EXPECT_FALSE(p.IsActive());
    EXPECT_EQ(p.StdOut(), QString());
    EXPECT_EQ(p.RC(), 3);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(p.StartTime().isValid());
}

TEST(Process, LargeOutputArrivesWholeAndInOrderWithStandardErrorMerged)
{
    // About 1.3 MiB, far more than a pipe holds: the child stalls unless it is drained.
    Process p;
    p.Command = shell(QStringLiteral(
        "i=0; while [ $i -lt 25000 ]; do echo \"out $i ..............................\"; "
        "echo \"err $i\" >&2; i=$((i+1)); done"));
    QString chunks;
    QObject::connect(&p, &Process::StdOutChanged, [&](const QString &c) { chunks += c; });
    p.Launch();
    const QString out = p.StdOut();
    EXPECT_GT(out.size(), 1024 * 1024);
    EXPECT_EQ(chunks, out);
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 50000);
    for (int i = 0; i < 25000; ++i) {
        ASSERT_EQ(lines[2 * i], QStringLiteral("out %1 ..............................").arg(i));
        ASSERT_EQ(lines[2 * i + 1], QStringLiteral("err %1").arg(i));
    }
    EXPECT_EQ(p.RC(), 0);
}

TEST(Process, OutputWrittenJustBeforeExitIsKept)
{
    Process p;
    p.Command =
        shell(QStringLiteral("head -c 60000 /dev/zero | tr '\\0' x; printf 'ü-END'; exit 7"));
    p.Launch();
    EXPECT_EQ(p.StdOut().size(), 60000 + 5);
    EXPECT_TRUE(p.StdOut().endsWith(QStringLiteral("ü-END")));
    EXPECT_EQ(p.RC(), 7);
}

TEST(Process, CommandThatCannotStart)
{
    Process p;
    p.Command.addBare(QStringLiteral("/nonexistent/folder/mp.dll"))
        .addText(QStringLiteral(" -identify"));
    QSignalSpy finished(&p, &Process::Finished);
    QElapsedTimer clock;
    clock.start();
    p.Launch();
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_FALSE(p.IsActive());
    EXPECT_EQ(p.RC(), 0);
    EXPECT_EQ(p.StdOut(), QString());
    EXPECT_EQ(p.processId(), 0);
    EXPECT_EQ(finished.count(), 0);
}

TEST(Process, NoWaitReturnsAtOnceAndTheCallerPolls)
{
    Process p;
    p.NoWait = true;
    p.Command = shell(QStringLiteral("echo start; sleep 0.6; echo end; exit 4"));
    QSignalSpy finished(&p, &Process::Finished);
    QElapsedTimer clock;
    clock.start();
    p.Launch();
    EXPECT_LT(clock.elapsed(), 400);
    EXPECT_NE(p.processId(), 0);
    int polls = 0;
    while (p.IsActive()) {
        p.Read();
        ++polls;
    }
    // IsActive waits for the child, so polling does not spin.
    EXPECT_LE(polls, 6);
    EXPECT_EQ(p.StdOut(), QStringLiteral("start\nend\n"));
    EXPECT_EQ(p.RC(), 4);
    EXPECT_EQ(finished.count(), 1);
    // No finish queued for the run may come later.
    QTest::qWait(50);
    EXPECT_EQ(finished.count(), 1);
}

TEST(Process, NoWaitChildThatEndsByItselfRaisesFinished)
{
    Process p;
    p.NoWait = true;
    p.Command = shell(QStringLiteral("echo done"));
    QSignalSpy finished(&p, &Process::Finished);
    p.Launch();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(p.StdOut(), QStringLiteral("done\n"));
    EXPECT_FALSE(p.IsActive());
    EXPECT_EQ(finished.count(), 1);
}

TEST(Process, AbortStopsARunningChildWithTheGivenCode)
{
    Process p;
    p.NoWait = true;
    p.Command = shell(QStringLiteral("echo begun; exec sleep 30"));
    QSignalSpy finished(&p, &Process::Finished);
    p.Launch();
    const qint64 pid = p.processId();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.StdOut().isEmpty(); }, 5000));
    p.Abort(5);
    EXPECT_EQ(p.RC(), 5);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(p.IsActive());
    EXPECT_FALSE(processExists(pid));
    EXPECT_EQ(p.StdOut(), QStringLiteral("begun\n"));
    // A second Abort releases nothing and keeps the code, but says Finished again.
    p.Abort(0);
    EXPECT_EQ(p.RC(), 5);
    EXPECT_EQ(finished.count(), 2);
}

TEST(Process, BlockingLaunchKeepsEventsFlowingAndCanBeAborted)
{
    Process p;
    p.Command = shell(QStringLiteral("exec sleep 30"));
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(20);
    QTimer::singleShot(300, &p, [&] { p.Abort(5); });
    QElapsedTimer clock;
    clock.start();
    p.Launch();
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(p.RC(), 5);
}

TEST(Process, ChildEndedBySignalDoesNotReadAsSuccess)
{
    Process p;
    p.Command = shell(QStringLiteral("kill -9 $$"));
    p.Launch();
    EXPECT_EQ(p.RC(), 128 + 9);
}

TEST(Process, CommandTextAndArgumentsRunWithoutAShell)
{
    // A program folder with a blank and a path full of shell syntax: what runs is the
    // argument list, never a shell's reading of the text.
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("my programs"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::link(QStringLiteral("/bin/echo"), folder + QStringLiteral("/echo it")));
    CommandLine command;
    command.addBare(folder + QStringLiteral("/echo it")).addText(QStringLiteral(" -n "));
    command.addQuoted(QStringLiteral("a $(touch x); 'b' \"c\""));
    std::unique_ptr<Process> p(NewProcess(command));
    EXPECT_TRUE(p->Arguments.isEmpty());
    EXPECT_EQ(p->commandText(),
              folder + QStringLiteral("/echo it -n \"a $(touch x); 'b' \"c\"\" "));
    p->Arguments = QStringLiteral("one  two");
    p->Launch();
    EXPECT_EQ(p->StdOut(), QStringLiteral("a $(touch x); 'b' \"c\" one two"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("x")));
}

TEST(Process, RelaunchStartsAFreshRun)
{
    Process p;
    p.Command = shell(QStringLiteral("echo first; exit 2"));
    p.Launch();
    p.Command = shell(QStringLiteral("echo second"));
    p.Launch();
    EXPECT_EQ(p.StdOut(), QStringLiteral("second\n"));
    EXPECT_EQ(p.RC(), 0);
    EXPECT_EQ(p.ElapsedTime(), QStringLiteral("0:00:00"));
}

TEST(Process, DestroyingARunnerEndsItsChild)
{
    qint64 pid = 0;
    {
        Process p;
        p.NoWait = true;
        p.Command = shell(QStringLiteral("exec sleep 30"));
        p.Launch();
        pid = p.processId();
        ASSERT_TRUE(processExists(pid));
    }
    EXPECT_FALSE(processExists(pid));
}

TEST(Process, RunnerDeletedByAHandlerWhileLaunchWaits)
{
    auto *p = new Process;
    p->Command = shell(QStringLiteral("exec sleep 30"));
    qint64 pid = 0;
    QTimer::singleShot(200, [&] {
        pid = p->processId();
        delete p;
    });
    QElapsedTimer clock;
    clock.start();
    p->Launch();
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_NE(pid, 0);
    EXPECT_FALSE(processExists(pid));
}

// Keys reach the child programs through their standard input.
class ProcessKeys : public ::testing::Test
{
protected:
    void TearDown() override
    {
        PlayerProcessId = 0;
        EncoderProcessId = 0;
    }
    ProgramFolder m_folder;
    QTemporaryDir m_dir;
};

namespace {
// The position of the last status line the player printed, in seconds.
double lastPlayerPosition(const QString &output)
{
    static const QRegularExpression status(QStringLiteral("V:\\s*([0-9.]+)"));
    double position = -1;
    auto it = status.globalMatch(output);
    while (it.hasNext())
        position = it.next().captured(1).toDouble();
    return position;
}
} // namespace

TEST_F(ProcessKeys, PlayerPausesOnSpaceAndQuitsOnQ)
{
    const QString file = m_dir.filePath(QStringLiteral("long clip.avi"));
    MediaFixtures::Clip clip;
    clip.seconds = 20;
    clip.size = QStringLiteral("160x120");
    ASSERT_TRUE(MediaFixtures::make(file, clip));

    Process player;
    player.NoWait = true;
    player.Command.addBare(m_folder.file(QStringLiteral("mp.dll")))
        .addText(QStringLiteral(" -identify -vo null -ao null "))
        .addQuoted(file);
    QSignalSpy finished(&player, &Process::Finished);
    player.Launch();
    PlayerProcessId = qint32(player.processId());
    ASSERT_NE(PlayerProcessId, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lastPlayerPosition(player.StdOut()) >= 0.5; }, 10000));

    SendKeyToPlayer(ProcessWindows::KeySpace);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.StdOut().contains("PAUSE"); }, 5000));
    const double pausedAt = lastPlayerPosition(player.StdOut());
    QTest::qWait(1500);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_DOUBLE_EQ(lastPlayerPosition(player.StdOut()), pausedAt);

    SendKeyToPlayer(ProcessWindows::KeyQ);
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_TRUE(player.StdOut().contains("ID_EXIT=QUIT"));
    EXPECT_EQ(player.RC(), 0);
    EXPECT_LT(pausedAt, 5.0);
    // The program has ended: a key for it goes nowhere.
    EXPECT_FALSE(ProcessWindows::sendKey(PlayerProcessId, ProcessWindows::KeyQ));
}

TEST_F(ProcessKeys, EncoderEndsCleanlyOnQWithAPlayableFile)
{
    const QString output = m_dir.filePath(QStringLiteral("stopped.mkv"));
    Process encoder;
    encoder.NoWait = true;
    encoder.Command.addBare(m_folder.file(QStringLiteral("fp.dll")))
        .addText(QStringLiteral(" -hide_banner -y -re -f lavfi -i testsrc=size=160x120:rate=25 "
                                "-t 60 "))
        .addQuoted(output);
    QSignalSpy finished(&encoder, &Process::Finished);
    encoder.Launch();
    EncoderProcessId = qint32(encoder.processId());
    ASSERT_TRUE(QTest::qWaitFor([&] { return encoder.StdOut().contains("time=00:00:01"); }, 10000));

    SendKeyToEncoder(ProcessWindows::KeyQ);
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(encoder.RC(), 0);
    const double seconds = MediaFixtures::duration(output);
    EXPECT_GT(seconds, 0.5);
    EXPECT_LT(seconds, 30.0);

    // Decoding the whole file reports nothing wrong.
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(MediaFixtures::encoder(), {"-v", "error", "-i", output, "-f", "null", "-"});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0);
    EXPECT_EQ(check.readAll(), QByteArray());
}

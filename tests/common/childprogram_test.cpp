// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/childprogram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace {
QStringList shell(const QString &script)
{
    return {QStringLiteral("-c"), script};
}

bool processExists(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

bool gone(qint64 pid, int withinMs)
{
    return QTest::qWaitFor([pid] { return !processExists(pid); }, withinMs);
}
} // namespace

TEST(ChildProgram, LinesSplitAcrossChunksArriveWhole)
{
    ChildProgram child;
    QStringList lines;
    QObject::connect(&child, &ChildProgram::lineReceived,
                     [&](const QString &line) { lines << line; });
    QSignalSpy finished(&child, &ChildProgram::finished);
    // CR alone, CR LF and LF end lines; a letter split between two writes stays one
    // letter; an unfinished last line still arrives at the end.
    ASSERT_TRUE(
        child.start(QStringLiteral("/bin/sh"),
                    shell(QStringLiteral("printf 'fra'; sleep 0.1; printf 'me=1\\rframe=2\\r"
                                         "\\nk\\303'; sleep 0.1; printf '\\244se\\nend'"))));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(lines, QStringList({"frame=1", "frame=2", QString::fromUtf8("käse"), "end"}));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(child.succeeded());
}

TEST(ChildProgram, TailIsBoundedAndFiltered)
{
    ChildProgram child;
    child.setTailLines(3);
    child.setTailFilter([](const QString &line) { return !line.startsWith("skip"); });
    QSignalSpy finished(&child, &ChildProgram::finished);
    child.start(QStringLiteral("/bin/sh"),
                shell(QStringLiteral("for i in 1 2 3 4 5; do echo line $i; echo skip $i; done; "
                                     "echo; exit 3")));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(child.tail(), QStringList({"line 3", "line 4", "line 5"}));
    EXPECT_EQ(child.exitCode(), 3);
    EXPECT_EQ(child.end(), ChildProgram::End::Exited);
    EXPECT_FALSE(child.succeeded());
}

TEST(ChildProgram, ProgramThatCannotStartEndsOnceAndNeverAsSuccess)
{
    ChildProgram child;
    QSignalSpy finished(&child, &ChildProgram::finished);
    EXPECT_FALSE(child.start(QStringLiteral("/nonexistent/fp.dll"), {}));
    // Told from the event loop, not from inside start().
    EXPECT_EQ(finished.count(), 0);
    ASSERT_TRUE(finished.wait(2000));
    QTest::qWait(50);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().at(1).value<ChildProgram::End>(), ChildProgram::End::FailedToStart);
    EXPECT_EQ(child.exitCode(), 127);
    EXPECT_FALSE(child.succeeded());
    EXPECT_EQ(child.processId(), 0);
}

TEST(ChildProgram, QuitKeyEndsAProgramThatListens)
{
    ChildProgram child;
    QSignalSpy finished(&child, &ChildProgram::finished);
    child.start(QStringLiteral("/bin/sh"), shell(QStringLiteral("read answer; echo got $answer")));
    child.setQuitKey("q\n");
    QElapsedTimer clock;
    clock.start();
    child.requestStop();
    ASSERT_TRUE(finished.wait(3000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(child.tail(), QStringList({"got q"}));
    EXPECT_TRUE(child.succeeded());
    EXPECT_TRUE(child.stopRequested());
}

TEST(ChildProgram, StopEscalatesToKillingTheWholeGroup)
{
    // The child ignores its quit key and SIGTERM, and so does the grandchild it started:
    // only the kill after the grace periods ends them, both.
    ChildProgram child;
    QSignalSpy finished(&child, &ChildProgram::finished);
    qint64 grandchild = 0;
    QObject::connect(&child, &ChildProgram::lineReceived,
                     [&](const QString &line) { grandchild = line.toLongLong(); });
    child.start(
        QStringLiteral("/bin/sh"),
        shell(QStringLiteral("trap '' TERM; sleep 60 & echo $!; while :; do sleep 1; done")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return grandchild != 0; }, 5000));
    ASSERT_TRUE(processExists(grandchild));
    QElapsedTimer clock;
    clock.start();
    child.requestStop(300);
    QTest::qWait(300 + ChildProgram::TerminateGraceMs / 2);
    EXPECT_EQ(finished.count(), 0) << "SIGTERM is ignored, so it must still run";
    ASSERT_TRUE(finished.wait(ChildProgram::TerminateGraceMs + 2000));
    EXPECT_GE(clock.elapsed(), 300 + ChildProgram::TerminateGraceMs - 50);
    EXPECT_EQ(child.end(), ChildProgram::End::Crashed);
    EXPECT_EQ(child.exitCode(), 128 + SIGKILL);
    EXPECT_TRUE(gone(grandchild, 2000));
}

TEST(ChildProgram, DestroyingOrStoppingAllWaitsAndLeavesNothing)
{
    qint64 first = 0;
    qint64 second = 0;
    {
        ChildProgram a;
        ChildProgram b;
        a.start(QStringLiteral("/bin/sleep"), {QStringLiteral("60")});
        b.start(QStringLiteral("/bin/sleep"), {QStringLiteral("60")});
        first = a.processId();
        second = b.processId();
        QSignalSpy finished(&a, &ChildProgram::finished);
        ChildProgram::stopAll(200);
        EXPECT_FALSE(processExists(first));
        EXPECT_FALSE(processExists(second));
        EXPECT_EQ(finished.count(), 1);
        EXPECT_EQ(ChildProgram::find(first), nullptr);
        // sleep reads no keys: straight to SIGTERM when its runner goes.
        b.setQuitKey({});
        b.start(QStringLiteral("/bin/sleep"), {QStringLiteral("60")});
        second = b.processId();
        EXPECT_EQ(ChildProgram::find(second), &b);
    }
    EXPECT_FALSE(processExists(second));
}

TEST(ChildProgram, LargeOutputArrivesWholeInOrderUpToTheLastByte)
{
    // About 1.3 MiB, far more than a pipe holds: the child stalls unless it is drained.
    // Standard error is merged in the order written, and what is written just before the
    // end, without a line break, is not lost.
    ChildProgram child;
    QString output;
    QObject::connect(&child, &ChildProgram::outputReceived,
                     [&](const QString &text) { output += text; });
    QSignalSpy finished(&child, &ChildProgram::finished);
    child.start(
        QStringLiteral("/bin/sh"),
        shell(QStringLiteral(
            "i=0; while [ $i -lt 25000 ]; do echo \"out $i ..............................\"; "
            "echo \"err $i\" >&2; i=$((i+1)); done; printf '\\303\\274-END'; exit 7")));
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_GT(output.size(), 1024 * 1024);
    EXPECT_TRUE(output.endsWith(QString::fromUtf8("\nü-END")));
    const QStringList lines = output.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 50001);
    for (int i = 0; i < 25000; ++i) {
        ASSERT_EQ(lines[2 * i], QStringLiteral("out %1 ..............................").arg(i));
        ASSERT_EQ(lines[2 * i + 1], QStringLiteral("err %1").arg(i));
    }
    EXPECT_EQ(child.exitCode(), 7);
}

TEST(ChildProgram, ACommandRunsAsItsArgumentListWithoutAShell)
{
    // A program folder with a blank and an argument full of shell syntax: what runs is
    // the argument list, never a shell's reading of the text.
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("my programs"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::link(QStringLiteral("/bin/echo"), folder + QStringLiteral("/echo it")));
    CommandLine command;
    command.addBare(folder + QStringLiteral("/echo it")).addText(QStringLiteral(" -n "));
    command.addQuoted(QStringLiteral("a $(touch x); 'b' \"c\""));
    ChildProgram child;
    child.setWorkingFolder(dir.path());
    QSignalSpy finished(&child, &ChildProgram::finished);
    ASSERT_TRUE(child.start(command));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(child.tail(), QStringList({"a $(touch x); 'b' \"c\""}));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x"))));
}

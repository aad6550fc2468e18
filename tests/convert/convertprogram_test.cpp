// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "common/testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace {
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    return env;
}

// The encoder the program started, once it runs; 0 until then.
qint64 encoderChild(qint64 parent)
{
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(parent));
    if (!children.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &pid : children.readAll().split(' ')) {
        QFile command("/proc/" + pid.trimmed() + "/cmdline");
        if (!pid.trimmed().isEmpty() && command.open(QIODevice::ReadOnly) &&
            command.readAll().contains("fp.dll\0-i"))
            return pid.trimmed().toLongLong();
    }
    return 0;
}

// The position of the first MP4 type in the program's own profile list.
QString mp4Profile()
{
    QProcess list;
    list.setProcessEnvironment(withoutDisplay());
    list.start(ProgramFolder::buildFolder() + "/klevar", {"--list-profiles"});
    if (!list.waitForFinished(20000))
        return {};
    for (const QString &line : QString::fromUtf8(list.readAllStandardOutput()).split('\n')) {
        if (line.endsWith("(*.mp4)"))
            return line.section('\t', 0, 0);
    }
    return {};
}

// A process that has ended and waits to be reaped by whoever adopted it counts as gone.
bool running(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype state = line.lastIndexOf(')') + 2;
    return state < line.size() && line.at(state) != 'Z' && line.at(state) != 'X';
}
} // namespace

// The program itself, started as a user would start it, with no display at all.
TEST(ConvertProgram, ConvertsWithoutADisplayAndStopsItsEncoderWhenTerminated)
{
    QTemporaryDir dir;
    MediaFixtures::Clip c;
    c.seconds = 40;
    c.size = "640x480";
    ASSERT_TRUE(MediaFixtures::make(dir.filePath("long.avi"), c));
    c.seconds = 2;
    c.size = "160x120";
    ASSERT_TRUE(MediaFixtures::make(dir.filePath("short.avi"), c));
    const QString program = ProgramFolder::buildFolder() + "/klevar";
    const QString mp4 = mp4Profile();
    ASSERT_FALSE(mp4.isEmpty());

    QProcess convert;
    convert.setProcessEnvironment(withoutDisplay());
    convert.start(program, {"--convert", "--profile", mp4, "--output", dir.filePath("out"),
                            dir.filePath("short.avi")});
    ASSERT_TRUE(convert.waitForFinished(60000));
    EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(convert.readAllStandardOutput()),
              "1\t100%\tOK\t" + dir.filePath("out/short.mp4") + "\n");

    convert.start(program, {"--convert", "--profile", mp4, "--output", dir.filePath("out"),
                            dir.filePath("long.avi")});
    qint64 encoder = 0;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (encoder = encoderChild(convert.processId())); }, 20000));
    ::kill(pid_t(convert.processId()), SIGTERM);
    ASSERT_TRUE(convert.waitForFinished(10000));
    EXPECT_EQ(convert.exitCode(), 130);
    EXPECT_TRUE(convert.readAllStandardError().contains("stopped"));
    EXPECT_NE(::kill(pid_t(encoder), 0), 0) << "the encoder was left running";
}

// Killed outright, the program cannot stop its encoder itself: the encoder must still go.
TEST(ConvertProgram, EncoderDiesWithAKilledConverter)
{
    QTemporaryDir dir;
    MediaFixtures::Clip c;
    c.seconds = 40;
    c.size = "640x480";
    ASSERT_TRUE(MediaFixtures::make(dir.filePath("long.avi"), c));
    QProcess convert;
    convert.setProcessEnvironment(withoutDisplay());
    convert.start(ProgramFolder::buildFolder() + "/klevar",
                  {"--convert", "--profile", mp4Profile(), "--output", dir.filePath("out"),
                   dir.filePath("long.avi")});
    qint64 encoder = 0;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (encoder = encoderChild(convert.processId())); }, 20000));
    ::kill(pid_t(convert.processId()), SIGKILL);
    ASSERT_TRUE(convert.waitForFinished(5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !running(encoder); }, 2000))
        << "the encoder outlived the program";
}

// A mode held up by what it waits for (here an encoder deaf to its quit key and to
// SIGTERM, which takes seconds to be killed) ends at once on a second signal, and its
// encoder with it.
TEST(ConvertProgram, ASecondSignalEndsAModeAtOnce)
{
    QTemporaryDir dir;
    const QString build = ProgramFolder::buildFolder() + "/";
    const QString program = dir.filePath("klevar");
    ASSERT_TRUE(::link(QFile::encodeName(build + "klevar"), QFile::encodeName(program)) == 0 ||
                QFile::copy(build + "klevar", program));
    for (const char *name : {"ct.s3db", "mp.dll"})
        ASSERT_TRUE(QFile::link(build + name, dir.filePath(name)));
    // Only the conversion is deaf; its list and a probe's question are answered at once.
    TestFiles::script(dir.filePath("fp.dll"), "case \"$*\" in *-hide_banner*) exit 0;; esac\n"
                                              "echo $$ > '" +
                                                  dir.filePath("encoder.pid").toUtf8() +
                                                  "'\ntrap '' TERM INT\nexec sleep 60\n");
    MediaFixtures::Clip c;
    ASSERT_TRUE(MediaFixtures::make(dir.filePath("in.avi"), c));

    QProcess convert;
    convert.setProcessEnvironment(withoutDisplay());
    convert.start(program, {"--convert", "--profile", mp4Profile(), "--output", dir.filePath("out"),
                            dir.filePath("in.avi")});
    QFile pid(dir.filePath("encoder.pid"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pid.size() > 0; }, 20000));
    ASSERT_TRUE(pid.open(QIODevice::ReadOnly));
    const qint64 deaf = pid.readAll().trimmed().toLongLong();
    const pid_t klevar = pid_t(convert.processId());
    ASSERT_GT(klevar, 0);
    ::kill(klevar, SIGTERM);
    EXPECT_FALSE(convert.waitForFinished(1000)) << "the encoder is still being stopped";
    ::kill(klevar, SIGTERM);
    ASSERT_TRUE(convert.waitForFinished(2000));
    EXPECT_EQ(convert.exitCode(), 128 + SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !running(deaf); }, 2000));
}

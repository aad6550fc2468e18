// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/childprogram.h"
#include "common/mediafixtures.h"
#include "common/processwindows.h"
#include "common/programfolder.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// Keys reach the child programs through their standard input.
class ProcessKeys : public ::testing::Test
{
protected:
    // Starts one of the program's folder's programs; its merged output gathers in m_said.
    bool start(const char *program, const QString &options, const QString &file)
    {
        QObject::connect(&m_child, &ChildProgram::outputReceived,
                         [this](const QString &text) { m_said += text; });
        CommandLine command;
        command.addBare(m_folder.file(QString::fromLatin1(program)))
            .addText(options)
            .addQuoted(file);
        return m_child.start(command);
    }
    bool type(ProcessWindows::Key key) { return m_child.write(ProcessWindows::keyText(key)); }

    ProgramFolder m_folder;
    QTemporaryDir m_dir;
    QString m_said; // outlives the child, which may still speak while it is stopped
    ChildProgram m_child;
    QSignalSpy m_finished{&m_child, &ChildProgram::finished};
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

    ASSERT_TRUE(start("mp.dll", " -identify -vo null -ao null ", file));
    ASSERT_TRUE(QTest::qWaitFor([&] { return lastPlayerPosition(m_said) >= 0.5; }, 10000));

    ASSERT_TRUE(type(ProcessWindows::KeySpace));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_said.contains("PAUSE"); }, 5000));
    const double pausedAt = lastPlayerPosition(m_said);
    QTest::qWait(1500);
    EXPECT_EQ(m_finished.count(), 0);
    EXPECT_DOUBLE_EQ(lastPlayerPosition(m_said), pausedAt);

    type(ProcessWindows::KeyQ);
    ASSERT_TRUE(m_finished.wait(5000));
    EXPECT_TRUE(m_said.contains("ID_EXIT=QUIT"));
    EXPECT_EQ(m_child.exitCode(), 0);
    EXPECT_LT(pausedAt, 5.0);
    // The program has ended: a key for it goes nowhere.
    EXPECT_FALSE(type(ProcessWindows::KeyQ));
}

TEST_F(ProcessKeys, EncoderEndsCleanlyOnQWithAPlayableFile)
{
    const QString output = m_dir.filePath(QStringLiteral("stopped.mkv"));
    ASSERT_TRUE(start(
        "fp.dll", " -hide_banner -y -re -f lavfi -i testsrc=size=160x120:rate=25 -t 60 ", output));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_said.contains("time=00:00:01"); }, 10000));

    ASSERT_TRUE(type(ProcessWindows::KeyQ));
    ASSERT_TRUE(m_finished.wait(10000));
    EXPECT_EQ(m_child.exitCode(), 0);
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

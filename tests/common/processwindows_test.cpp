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

    ChildProgram player;
    QString output;
    QObject::connect(&player, &ChildProgram::outputReceived,
                     [&](const QString &text) { output += text; });
    QSignalSpy finished(&player, &ChildProgram::finished);
    CommandLine command;
    command.addBare(m_folder.file(QStringLiteral("mp.dll")))
        .addText(QStringLiteral(" -identify -vo null -ao null "))
        .addQuoted(file);
    ASSERT_TRUE(player.start(command));
    ASSERT_TRUE(QTest::qWaitFor([&] { return lastPlayerPosition(output) >= 0.5; }, 10000));

    ASSERT_TRUE(player.write(ProcessWindows::keyText(ProcessWindows::KeySpace)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return output.contains("PAUSE"); }, 5000));
    const double pausedAt = lastPlayerPosition(output);
    QTest::qWait(1500);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_DOUBLE_EQ(lastPlayerPosition(output), pausedAt);

    player.write(ProcessWindows::keyText(ProcessWindows::KeyQ));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_TRUE(output.contains("ID_EXIT=QUIT"));
    EXPECT_EQ(player.exitCode(), 0);
    EXPECT_LT(pausedAt, 5.0);
    // The program has ended: a key for it goes nowhere.
    EXPECT_FALSE(player.write(ProcessWindows::keyText(ProcessWindows::KeyQ)));
}

TEST_F(ProcessKeys, EncoderEndsCleanlyOnQWithAPlayableFile)
{
    const QString output = m_dir.filePath(QStringLiteral("stopped.mkv"));
    ChildProgram encoder;
    QString said;
    QObject::connect(&encoder, &ChildProgram::outputReceived,
                     [&](const QString &text) { said += text; });
    QSignalSpy finished(&encoder, &ChildProgram::finished);
    CommandLine command;
    command.addBare(m_folder.file(QStringLiteral("fp.dll")))
        .addText(QStringLiteral(" -hide_banner -y -re -f lavfi -i testsrc=size=160x120:rate=25 "
                                "-t 60 "))
        .addQuoted(output);
    ASSERT_TRUE(encoder.start(command));
    ASSERT_TRUE(QTest::qWaitFor([&] { return said.contains("time=00:00:01"); }, 10000));

    ASSERT_TRUE(encoder.write(ProcessWindows::keyText(ProcessWindows::KeyQ)));
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(encoder.exitCode(), 0);
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "app/windowtermination.h"
#include "common/childprogram.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "convert/conversionrun.h"
#include "media/conversionlist.h"
#include "media/mediaprobe.h"
#include "media/previewplayer.h"
#include "media/queuecontroller.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

// The window as the program runs it, told to end by a signal while its children work.
// Runs under a real X server, so the preview player really draws.
namespace {
bool exists(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

class Termination : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MediaFixtures::Clip clip;
        clip.seconds = 30;
        clip.size = QStringLiteral("640x480");
        m_clip = m_media.filePath(QStringLiteral("long clip.avi"));
        ASSERT_TRUE(MediaFixtures::make(m_clip, clip));
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        m_window.queue()->probe()->AddVideoFile(m_clip);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !m_window.conversionList()->text(0, ConversionList::End).isEmpty(); },
            20000));
        m_window.queue()->selectRow(0);
    }

    // The signal arrives as it would from outside; the window must close and every
    // child must be gone.
    void terminate()
    {
        ::kill(::getpid(), SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !m_window.isVisible(); }, 15000));
        EXPECT_EQ(m_termination.exitCode(), 128 + SIGTERM);
    }

    ProgramFolder m_folder;
    QTemporaryDir m_media;
    QString m_clip;
    Form1 m_window;
    WindowTermination m_termination{&m_window};
};
} // namespace

TEST_F(Termination, DuringAPreview)
{
    m_window.findChild<QAction *>("play")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window.previewPlayer()->isPlaying(); }, 5000));
    const qint64 player = m_window.previewPlayer()->processId();
    QTest::qWait(500);
    ASSERT_TRUE(exists(player));
    terminate();
    EXPECT_FALSE(exists(player)) << "the player was left running";
}

TEST_F(Termination, DuringAConversionWithADialogOpen)
{
    const int mp4 = m_window.profileChooser()->findText("MP4", Qt::MatchContains);
    ASSERT_GE(mp4, 0);
    m_window.profileChooser()->setCurrentIndex(mp4);
    Q_EMIT m_window.profileChooser()->activated(mp4);
    m_window.conversionRun()->start();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return m_window.conversionRun()->encoderProcessId() != 0; }, 10000));
    const qint64 encoder = m_window.conversionRun()->encoderProcessId();
    // A modal dialog waits in a loop of its own; the signal must not wait for it.
    QDialog dialog(&m_window);
    QTimer::singleShot(200, [] { ::kill(::getpid(), SIGTERM); });
    dialog.exec();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_window.isVisible(); }, 15000));
    EXPECT_EQ(m_termination.exitCode(), 128 + SIGTERM);
    EXPECT_FALSE(exists(encoder)) << "the encoder was left running";
    EXPECT_EQ(ChildProgram::find(encoder), nullptr);
}

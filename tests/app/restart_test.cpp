// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"
#include "common/appfolder.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "convert/conversionrun.h"
#include "media/conversionlist.h"
#include "media/mediaprobe.h"
#include "media/queuecontroller.h"
#include "media/queuefile.h"

#include <QComboBox>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

// The window killed with SIGKILL in the middle of a run, then started again on the same
// program folder. The killed window runs in a process of its own: this test program,
// started again with only the case below and told where to work.
namespace {
const char *const FolderVariable = "KLEVAR_RESTART_FOLDER";
const char *const MediaVariable = "KLEVAR_RESTART_MEDIA";
const QStringList Names = {"first clip $;'x.avi", "second\tclip.avi", "-third Köln.avi"};

QString watermarkFor(int row)
{
    return "image;" + AppFolder() + "plus.jpg;area;" +
           (row == 1 ? "Center" : "Bottom right corner");
}
} // namespace

// The first start: three files, each with a clip and a watermark, a run converting the
// first of them. It never ends by itself.
TEST(Restart, FirstStart)
{
    if (!qEnvironmentVariableIsSet(FolderVariable))
        GTEST_SKIP() << "started by KilledInARunTheQueueComesBack only";
    setAppFolder(qEnvironmentVariable(FolderVariable));
    const QDir media(qEnvironmentVariable(MediaVariable));
    Form1 window;
    window.show();
    for (const QString &name : Names)
        window.queue()->probe()->AddVideoFile(media.filePath(name));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.queue()->probe()->isBusy(); }, 30000));
    ConversionList *list = window.conversionList();
    for (int row = 0; row < list->count(); ++row) {
        list->setText(row, ConversionList::Start, QStringLiteral("0:00:0%1").arg(row + 1));
        list->setText(row, ConversionList::End, QStringLiteral("0:00:2%1").arg(row));
        list->setText(row, ConversionList::Watermark, watermarkFor(row));
    }
    const int mp4 = window.profileChooser()->findText("MP4", Qt::MatchContains);
    ASSERT_GE(mp4, 0);
    window.profileChooser()->setCurrentIndex(mp4);
    Q_EMIT window.profileChooser()->activated(mp4);
    window.conversionRun()->start();
    QTest::qWait(600000);
}

TEST(Restart, KilledInARunTheQueueComesBack)
{
    ProgramFolder folder;
    QTemporaryDir media;
    MediaFixtures::Clip clip;
    clip.seconds = 30;
    clip.size = QStringLiteral("640x480");
    for (const QString &name : Names)
        ASSERT_TRUE(MediaFixtures::make(media.filePath(name), clip));

    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(FolderVariable, folder.path());
    env.insert(MediaVariable, media.path());
    first.setProcessEnvironment(env);
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=Restart.FirstStart"});
    ASSERT_TRUE(first.waitForStarted());
    // Killed once the file tells that the first row converts.
    const QString queueFile = folder.file("queue.dat");
    const auto converting = [&] {
        const QList<QueueFile::Row> rows = QueueFile::read(queueFile).rows;
        return rows.size() == 3 && rows[0].status == "Processing";
    };
    const bool caught = QTest::qWaitFor(converting, 60000);
    ::kill(pid_t(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(10000));
    ASSERT_TRUE(caught) << "the first start never showed its run in the queue file";
    EXPECT_EQ(first.exitStatus(), QProcess::CrashExit);

    Form1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.statusBar()->currentMessage(), "Restored 3 files not yet converted.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.queue()->probe()->isBusy(); }, 30000));
    const ConversionList *list = window.conversionList();
    ASSERT_EQ(list->count(), 3);
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(list->text(row, ConversionList::FileName), media.filePath(Names[row]));
        EXPECT_EQ(list->text(row, ConversionList::Start), QStringLiteral("0:00:0%1").arg(row + 1));
        EXPECT_EQ(list->text(row, ConversionList::End), QStringLiteral("0:00:2%1").arg(row));
        EXPECT_EQ(list->text(row, ConversionList::Watermark), watermarkFor(row));
        EXPECT_EQ(list->text(row, ConversionList::Size), "640x480");
        EXPECT_EQ(list->text(row, ConversionList::VideoTime), "0:00:30");
        EXPECT_EQ(list->text(row, ConversionList::Status), "");
    }
}

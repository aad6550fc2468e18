// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/capturepreviewframe.h"
#include "capture/encodercapturecontrol.h"
#include "capture/form3.h"
#include "capture/v4l2io.h"
#include "common/fakedesktop.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "screenrecording.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace ScreenRecording;

namespace {
// The preview is 320x240; a 1280x1024 screen fills 300x240 of it, 10 pixels in.
bool previewShowsMarker(const QImage &frame)
{
    return !frame.isNull() && qRed(frame.pixel(40, 30)) > 200 && qGreen(frame.pixel(40, 30)) < 60 &&
           qBlue(frame.pixel(40, 30)) > 200;
}

struct ScreenWindow : ::testing::Test
{
    ProgramFolder folder;
    QTemporaryDir dir{QDir::tempPath() + "/capture dir XXXXXX"};
    EncoderCaptureControl control;
    std::unique_ptr<Form3> form;
    QWidget marker; // a magenta patch in the screen's top left corner

    void SetUp() override
    {
        FakeDesktop::current().reset();
        marker.setStyleSheet("background: #ff00ff");
        marker.setGeometry(0, 0, 400, 300);
        marker.show();
        form = std::make_unique<Form3>(&control);
        form->move(600, 500);
        form->show();
        ASSERT_GT(control.deviceCount(), 0);
        // The screen comes after any camera this machine may have.
        form->findChild<QComboBox *>("Combo1")->setCurrentIndex(control.deviceCount() - 1);
        ASSERT_TRUE(control.deviceName(control.deviceCount() - 1).startsWith("Screen :"));
    }
    QPushButton *button(const char *name) const { return form->findChild<QPushButton *>(name); }
    void record(const QString &file)
    {
        form->findChild<QLineEdit *>("Text1")->setText(file);
        button("Command1")->click();
    }
    bool recordedFor(int ms)
    {
        return QTest::qWaitFor([&] { return control.captureStatistics().timeMs >= ms; }, 20000);
    }
};
} // namespace

TEST_F(ScreenWindow, RecordsTheScreenIntoAPlayableFileWhilePreviewingIt)
{
    auto *preview = form->findChild<CapturePreviewFrame *>("Frame1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return previewShowsMarker(preview->currentFrame()); }, 15000))
        << "the preview shows the screen's pixels";

    const QString file = dir.filePath("my capture.avi");
    record(file);
    ASSERT_TRUE(control.isCapturing()) << control.lastError().toStdString();
    EXPECT_FALSE(button("Command1")->isEnabled());
    ASSERT_TRUE(recordedFor(3000));
    const qint64 shownBefore = preview->framesShown();
    button("Command2")->click();
    EXPECT_TRUE(button("Command1")->isEnabled());
    EXPECT_GT(shownBefore, 25) << "the preview went on while recording";

    const QString label = form->findChild<QLabel *>("Label2")->text();
    const auto m =
        QRegularExpression("^(\\d+) frames \\((\\d+) dropped\\) - (\\d+\\.\\d\\d) sec\\.$")
            .match(label);
    ASSERT_TRUE(m.hasMatch()) << label.toStdString();
    // Stopped once the statistics passed 3 s: at least that much, and what a busy machine
    // adds before the encoder has read its quit key.
    const double seconds = MediaFixtures::duration(file);
    EXPECT_GE(seconds, 2.9);
    EXPECT_LE(seconds, 4.5);
    EXPECT_NEAR(double(frameCount(file)), m.captured(1).toDouble(), 2.0);
    EXPECT_NEAR(m.captured(3).toDouble(), MediaFixtures::duration(file), 0.1);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"my capture.avi"}));
    EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());
    // Back to previewing.
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview->framesShown() > shownBefore + 5; }, 10000));
}

TEST_F(ScreenWindow, TargetThatCannotBeWrittenIsToldAndThePreviewGoesOn)
{
    auto *preview = form->findChild<CapturePreviewFrame *>("Frame1");
    record("/no/such folder/x.avi");
    const auto messages = FakeDesktop::current().callsOf("message");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.contains("/no/such folder")) << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].icon, Desktop::Icon::Critical);
    EXPECT_FALSE(control.isCapturing());
    EXPECT_TRUE(button("Command1")->isEnabled());
    EXPECT_TRUE(button("Command3")->isEnabled());
    const qint64 shown = preview->framesShown();
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview->framesShown() > shown + 5; }, 10000));
}

TEST_F(ScreenWindow, ExitDuringARecordingFinishesTheFileAndLeavesNoChild)
{
    const QString file = dir.filePath("exit.avi");
    record(file);
    ASSERT_TRUE(recordedFor(1000));
    const qint64 encoder = control.encoderProcessId();
    ASSERT_TRUE(processExists(encoder));
    button("Command4")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(processExists(encoder));
    EXPECT_EQ(control.encoderProcessId(), 0);
    EXPECT_GT(MediaFixtures::duration(file), 0.9);
    EXPECT_GT(frameCount(file), 20);
}

TEST(ScreenDevice, ClosedDisplayEndsTheRecordingWithAFinishedFileAndAMessage)
{
    ProgramFolder folder;
    QTemporaryDir dir;
    OwnDisplay display;
    ASSERT_FALSE(display.name().isEmpty());
    EncoderCaptureControl control(V4l2Io::system(), display.name());
    QSignalSpy interrupted(&control, &CaptureControl::captureInterrupted);
    QSignalSpy failed(&control, &CaptureControl::captureFailed);
    control.setPreview(true);
    control.setSelectedDevice(control.deviceCount() - 1);
    control.setConnected(true);
    control.setCaptureFile(dir.filePath("lost one.avi"));
    ASSERT_TRUE(control.startCapture()) << control.lastError().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return control.captureStatistics().timeMs >= 1000; }, 20000));

    display.close();
    ASSERT_TRUE(interrupted.wait(15000));
    EXPECT_TRUE(failed.isEmpty());
    const QString message = interrupted.first().first().toString();
    EXPECT_TRUE(message.contains("the device was lost")) << message.toStdString();
    EXPECT_TRUE(message.contains(dir.filePath("lost one.avi")));
    EXPECT_FALSE(control.isCapturing());
    EXPECT_GT(MediaFixtures::duration(dir.filePath("lost one.avi")), 0.9);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"lost one.avi"}));
}

TEST(ScreenDevice, DeviceGoneBeforeTheRecordingStartsIsToldAndNothingIsWritten)
{
    ProgramFolder folder;
    QTemporaryDir dir;
    OwnDisplay display;
    ASSERT_FALSE(display.name().isEmpty());
    EncoderCaptureControl control(V4l2Io::system(), display.name());
    QSignalSpy problem(&control, &CaptureControl::previewProblem);
    QSignalSpy failed(&control, &CaptureControl::captureFailed);
    control.setPreview(true);
    control.setSelectedDevice(control.deviceCount() - 1);
    control.setConnected(true);
    display.close();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !problem.isEmpty() && !problem.last().first().toString().isEmpty(); }, 10000));

    control.setCaptureFile(dir.filePath("never.avi"));
    if (control.startCapture()) {
        ASSERT_TRUE(failed.wait(20000));
    }
    const QString why = failed.isEmpty() ? control.lastError() : failed.first().first().toString();
    EXPECT_TRUE(why.startsWith("The recording could not start.")) << why.toStdString();
    EXPECT_TRUE(why.contains(display.name())) << "the encoder's own reason";
    EXPECT_FALSE(control.isCapturing());
    EXPECT_TRUE(filesIn(dir.path()).isEmpty());
}

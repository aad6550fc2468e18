// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/form3.h"
#include "common/fakedesktop.h"
#include "fakecapturecontrol.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {
CameraPropertyRange range(int minimum, int maximum)
{
    CameraPropertyRange r;
    r.minimum = minimum;
    r.maximum = maximum;
    return r;
}

struct CaptureWindow : ::testing::Test
{
    FakeCaptureControl control;
    std::unique_ptr<Form3> form;

    void SetUp() override { FakeDesktop::current().reset(); }

    void open()
    {
        form = std::make_unique<Form3>(&control);
        form->show();
    }
    template <typename T = QWidget> T *child(const char *name) const
    {
        T *widget = form->findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QSlider *slider(int n) const
    {
        return child<QSlider>(QStringLiteral("Slider%1").arg(n).toLatin1().constData());
    }
    QString buttonStates() const
    {
        QString states;
        for (const char *name : {"Command3", "Command1", "Command2"})
            states += button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return states;
    }
    void addZoomOnly()
    {
        FakeCaptureControl::Device zoomer{"Zoomer", {{3, range(100, 500)}}, {{3, 250}}};
        control.devices << zoomer;
    }
};
} // namespace

TEST_F(CaptureWindow, NoDeviceDisablesTheThreeButtonsAndNothingElseHappens)
{
    open();
    EXPECT_EQ(form->windowTitle(), "Capture Video From DV");
    EXPECT_EQ(child<QComboBox>("Combo1")->count(), 0);
    EXPECT_EQ(buttonStates(), "000");
    EXPECT_TRUE(button("Command4")->isEnabled());
    EXPECT_TRUE(button("Command5")->isEnabled());
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), QDir::homePath() + "/dvcapture.avi");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "00:00:00");
    EXPECT_EQ(child<QGroupBox>("Frame3")->title(), "Capture File");
    EXPECT_EQ(child<QGroupBox>("Frame2")->title(), "Camera Control");
    EXPECT_EQ(child<QLabel>("SkinLabel5")->text(), "Zoom:");
    EXPECT_EQ(child<QTimer>("Timer1")->interval(), 500);
    EXPECT_TRUE(child<QTimer>("Timer1")->isActive());
    button("Command1")->click();
    button("Command3")->click();
    // The control's own preset file never points at a Windows drive.
    EXPECT_EQ(control.calls, QStringList({"file " + QDir::homePath() + "/capture.avi", "preview"}));
    EXPECT_TRUE(FakeDesktop::current().calls.isEmpty());
}

TEST_F(CaptureWindow, ZoomOnlyDeviceEnablesTheZoomSliderOverItsRange)
{
    addZoomOnly();
    open();
    EXPECT_EQ(buttonStates(), "111");
    EXPECT_TRUE(control.calls.join(',').endsWith("disconnect,select 0,connect"));
    for (int n = 0; n < 3; ++n)
        EXPECT_FALSE(slider(n)->isEnabled()) << n;
    QSlider *zoom = slider(3);
    ASSERT_TRUE(zoom->isEnabled());
    EXPECT_EQ(zoom->minimum(), 100);
    EXPECT_EQ(zoom->maximum(), 500);
    EXPECT_EQ(zoom->value(), 250);
    EXPECT_FALSE(control.calls.join(',').contains("set")) << "showing a value moves nothing";

    zoom->setValue(300); // a step by the keys or the groove
    EXPECT_EQ(control.calls.last(), "set 3 300");
    EXPECT_EQ(control.devices[0].values[3], 300);
}

TEST_F(CaptureWindow, AnotherDeviceReconnectsAndRefreshesAllFourSliders)
{
    control.devices << FakeCaptureControl::Device{
        "PTZ", {{0, range(-10, 10)}, {1, range(-5, 5)}, {3, range(0, 9)}}, {{0, 4}, {1, -2}}};
    addZoomOnly();
    open();
    EXPECT_TRUE(slider(0)->isEnabled());
    EXPECT_EQ(slider(0)->value(), 4);
    EXPECT_EQ(slider(3)->maximum(), 9);
    control.calls.clear();

    child<QComboBox>("Combo1")->setCurrentIndex(1);
    EXPECT_EQ(control.calls, QStringList({"disconnect", "select 1", "connect"}));
    EXPECT_FALSE(slider(0)->isEnabled());
    EXPECT_FALSE(slider(1)->isEnabled());
    EXPECT_FALSE(slider(2)->isEnabled());
    EXPECT_EQ(slider(3)->maximum(), 500);
    EXPECT_EQ(slider(3)->value(), 250);
}

TEST_F(CaptureWindow, BrowseFillsTheNameAndCancelKeepsIt)
{
    addZoomOnly();
    open();
    QLineEdit *text = child<QLineEdit>("Text1");
    text->setText("/videos/previous.avi");
    button("Command5")->click();
    const auto dialogs = FakeDesktop::current().callsOf("saveFile");
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].text, "Save Video File");
    EXPECT_EQ(dialogs[0].filter, "Avi Video file|*.avi");
    EXPECT_EQ(text->text(), "/videos/previous.avi");

    FakeDesktop::current().fileAnswers.enqueue({"/videos/new one.avi"});
    button("Command5")->click();
    EXPECT_EQ(text->text(), "/videos/new one.avi");
}

TEST_F(CaptureWindow, ButtonsFollowPreviewRecordAndStop)
{
    addZoomOnly();
    open();
    QTemporaryDir dir;
    child<QLineEdit>("Text1")->setText(dir.filePath("take 1.avi"));
    control.calls.clear();
    button("Command1")->click();
    EXPECT_EQ(control.calls,
              QStringList({"file " + dir.filePath("take 1.avi"), "preview", "start"}));
    EXPECT_EQ(buttonStates(), "001");

    control.statistics = {125, 2, 5040};
    QLabel *label = child<QLabel>("Label2");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return label->text() == "125 frames (2 dropped) - 5.04 sec."; }, 2000))
        << label->text().toStdString();

    control.statistics = {130, 2, 5200};
    button("Command2")->click();
    EXPECT_FALSE(control.capturing);
    EXPECT_EQ(buttonStates(), "111");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "130 frames (2 dropped) - 5.20 sec.");
    control.statistics = {0, 0, 0};
    QTest::qWait(2 * Form3::StatisticsIntervalMs);
    EXPECT_EQ(label->text(), "130 frames (2 dropped) - 5.20 sec.")
        << "no recording: the label keeps its last text";

    control.calls.clear();
    button("Command3")->click();
    EXPECT_EQ(control.calls, QStringList({"preview"}));
}

TEST_F(CaptureWindow, ExistingTypedNameIsReplacedOnlyWhenTheUserAgrees)
{
    addZoomOnly();
    open();
    QTemporaryDir dir;
    const QString existing = dir.filePath("old.avi");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    child<QLineEdit>("Text1")->setText(existing);
    control.calls.clear();
    button("Command1")->click();
    ASSERT_EQ(FakeDesktop::current().callsOf("question").size(), 1);
    EXPECT_TRUE(FakeDesktop::current().callsOf("question")[0].text.contains(existing));
    EXPECT_FALSE(control.calls.contains("start"));
    EXPECT_EQ(buttonStates(), "111");

    FakeDesktop::current().yesNoAnswers.enqueue(true);
    button("Command1")->click();
    EXPECT_TRUE(control.capturing);
    button("Command2")->click();

    // Chosen in the save dialog, which asked already.
    FakeDesktop::current().reset();
    FakeDesktop::current().fileAnswers.enqueue({existing});
    button("Command5")->click();
    button("Command1")->click();
    EXPECT_TRUE(FakeDesktop::current().callsOf("question").isEmpty());
    EXPECT_TRUE(control.capturing);
}

TEST_F(CaptureWindow, FailuresAreToldAndTheWindowGoesBackToPreviewing)
{
    addZoomOnly();
    open();
    QTemporaryDir dir;
    child<QLineEdit>("Text1")->setText(dir.filePath("x.avi"));
    control.refuseStart = true;
    control.error = "The folder /gone does not exist.";
    button("Command1")->click();
    auto messages = FakeDesktop::current().callsOf("message");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, control.error);
    EXPECT_EQ(messages[0].icon, Desktop::Icon::Critical);
    EXPECT_EQ(buttonStates(), "111");

    control.refuseStart = false;
    button("Command1")->click();
    ASSERT_EQ(buttonStates(), "001");
    control.capturing = false;
    Q_EMIT control.captureFailed("The recording could not start.\nDevice busy");
    EXPECT_EQ(buttonStates(), "111");
    EXPECT_EQ(FakeDesktop::current().messages().last(),
              "The recording could not start.\nDevice busy");

    button("Command1")->click();
    control.capturing = false;
    control.statistics = {40, 0, 1600};
    Q_EMIT control.captureInterrupted("The recording stopped: the device was lost.");
    EXPECT_EQ(buttonStates(), "111");
    EXPECT_EQ(FakeDesktop::current().callsOf("message").last().icon, Desktop::Icon::Warning);
    EXPECT_EQ(child<QLabel>("Label2")->text(), "40 frames (0 dropped) - 1.60 sec.");
}

TEST_F(CaptureWindow, ExitFinishesTheRecordingBeforeTheWindowCloses)
{
    addZoomOnly();
    open();
    QTemporaryDir dir;
    child<QLineEdit>("Text1")->setText(dir.filePath("x.avi"));
    button("Command1")->click();
    ASSERT_TRUE(control.capturing);
    control.calls.clear();
    button("Command4")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(control.capturing);
    EXPECT_EQ(control.calls.value(0), "stop");
    EXPECT_TRUE(control.calls.contains("disconnect"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/cameracontrols.h"
#include "capture/encodercapturecontrol.h"
#include "capture/videodevices.h"
#include "common/programfolder.h"
#include "common/testfiles.h"
#include "fakev4l2io.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QStringList names(const QList<CaptureDevice> &devices)
{
    QStringList list;
    for (const CaptureDevice &device : devices)
        list << device.name + QLatin1Char('=') + device.source;
    return list;
}
} // namespace

TEST(VideoDevices, CaptureNodesInNumberOrderThenTheScreen)
{
    FakeV4l2Io io;
    io.add("/dev/video0", "USB Camera", "usb-0000:00:14.0-1");
    io.add("/dev/video1", "USB Camera", "usb-0000:00:14.0-1", V4L2_CAP_META_CAPTURE);
    io.add("/dev/video2", "Integrated Webcam", "usb-0000:00:14.0-5");
    io.add("/dev/video3", "USB Camera", "usb-0000:00:14.0-2");
    io.add("/dev/video4", "Scaler", "platform:m2m", V4L2_CAP_VIDEO_M2M);
    // An old driver tells only what the whole device can do.
    FakeV4l2Io::Node &old = io.add("/dev/video5", "Old Grabber", "pci:1");
    old.caps.capabilities = V4L2_CAP_VIDEO_CAPTURE;
    old.caps.device_caps = 0;
    io.order << "/dev/video6"; // listed, but gone before it could be opened

    EXPECT_EQ(
        names(VideoDevices::list(io, ":5")),
        QStringList({"USB Camera (usb-0000:00:14.0-1)=/dev/video0", "Integrated Webcam=/dev/video2",
                     "USB Camera (usb-0000:00:14.0-2)=/dev/video3", "Old Grabber=/dev/video5",
                     "Screen :5=:5"}));
    EXPECT_EQ(VideoDevices::list(io, QString()).size(), 4);
    // Asking leaves no node open.
    FakeV4l2Io probe;
    probe.add("/dev/video0", "Cam", "usb-1");
    VideoDevices::list(probe, QString());
    EXPECT_EQ(probe.openCount, 1);
    EXPECT_EQ(probe.stillOpen(), 0);
}

TEST(VideoDevices, TwoCaptureNodesOfOneDeviceAreToldApartByNode)
{
    FakeV4l2Io io;
    io.add("/dev/video0", "Dual", "usb-1");
    io.add("/dev/video2", "Dual", "usb-1");
    EXPECT_EQ(names(VideoDevices::list(io, QString())),
              QStringList({"Dual (/dev/video0)=/dev/video0", "Dual (/dev/video2)=/dev/video2"}));
}

TEST(CameraControls, ZoomOnlyCameraAnswersForZoomAlone)
{
    FakeV4l2Io io;
    FakeV4l2Io::Node &node = io.add("/dev/video0", "Zoomer", "usb-1");
    FakeV4l2Io::addControl(node, V4L2_CID_ZOOM_ABSOLUTE, 100, 500, 250);
    CameraControls controls(io, "/dev/video0");

    for (int property : {CameraControls::Pan, CameraControls::Tilt, CameraControls::Roll})
        EXPECT_FALSE(controls.range(property).has_value()) << property;
    const auto zoom = controls.range(CameraControls::Zoom);
    ASSERT_TRUE(zoom.has_value());
    EXPECT_EQ(zoom->minimum, 100);
    EXPECT_EQ(zoom->maximum, 500);
    EXPECT_EQ(controls.value(CameraControls::Zoom), 250);

    EXPECT_TRUE(controls.set(CameraControls::Zoom, 320));
    EXPECT_FALSE(controls.set(CameraControls::Roll, 5));
    ASSERT_EQ(io.written.size(), 1);
    EXPECT_EQ(io.written[0].first, __u32(V4L2_CID_ZOOM_ABSOLUTE));
    EXPECT_EQ(io.written[0].second, 320);
    EXPECT_EQ(controls.value(CameraControls::Zoom), 320);
}

TEST(CameraControls, DisabledOrReadOnlyControlsAreLeftAlone)
{
    FakeV4l2Io io;
    FakeV4l2Io::Node &node = io.add("/dev/video0", "PTZ", "usb-1");
    FakeV4l2Io::addControl(node, V4L2_CID_PAN_ABSOLUTE, -36000, 36000, 0, V4L2_CTRL_FLAG_DISABLED);
    FakeV4l2Io::addControl(node, V4L2_CID_TILT_ABSOLUTE, -3600, 3600, 0, V4L2_CTRL_FLAG_READ_ONLY);
    FakeV4l2Io::addControl(node, V4L2_CID_ZOOM_ABSOLUTE, 0, 10, 3);
    CameraControls controls(io, "/dev/video0");
    EXPECT_FALSE(controls.range(CameraControls::Pan).has_value());
    EXPECT_FALSE(controls.range(CameraControls::Tilt).has_value());
    EXPECT_TRUE(controls.range(CameraControls::Zoom).has_value());
    // A camera unplugged since: nothing to ask, nothing written.
    io.devices.clear();
    EXPECT_FALSE(controls.range(CameraControls::Zoom).has_value());
    EXPECT_FALSE(controls.set(CameraControls::Zoom, 4));
}

TEST(EncoderCaptureControl, CameraPropertiesFollowTheSelectedDevice)
{
    FakeV4l2Io io;
    FakeV4l2Io::Node &ptz = io.add("/dev/video0", "PTZ", "usb-1");
    FakeV4l2Io::addControl(ptz, V4L2_CID_PAN_ABSOLUTE, -100, 100, 10);
    FakeV4l2Io::addControl(ptz, V4L2_CID_TILT_ABSOLUTE, -50, 50, -5);
    io.add("/dev/video1", "Plain", "usb-2");
    EncoderCaptureControl control(io, ":9");

    ASSERT_EQ(control.deviceCount(), 3);
    EXPECT_EQ(control.deviceName(2), "Screen :9");
    EXPECT_EQ(control.deviceName(3), QString());
    control.setSelectedDevice(0);
    EXPECT_EQ(control.cameraPropertyRange(0)->minimum, -100);
    EXPECT_EQ(control.cameraPropertyValue(1), -5);
    control.setCameraProperty(0, 42);
    control.setSelectedDevice(1);
    EXPECT_FALSE(control.cameraPropertyRange(0).has_value());
    control.setSelectedDevice(2); // the screen has no camera
    EXPECT_FALSE(control.cameraPropertyRange(3).has_value());
    control.setCameraProperty(0, 7);
    ASSERT_EQ(io.written.size(), 1);
    EXPECT_EQ(io.stillOpen(), 0);
    EXPECT_EQ(io.written[0].second, 42);
}

// An encoder that ran out of room could not end its file: the file is no whole recording,
// so it keeps its hidden name, and the message says where it is and why.
TEST(EncoderCaptureControl, ARecordingTheDiskCutShortStaysUnderItsHiddenName)
{
    ProgramFolder folder;
    TestFiles::script(folder.file("fp.dll"),
                      "for a; do out=$a; done\nhead -c 5000 /dev/zero > \"$out\"\n"
                      "printf 'frame=12\\nout_time_us=480000\\nprogress=continue\\n' >&2\n"
                      "echo 'av_interleaved_write_frame(): No space left on device' >&2\n"
                      "exit 1\n");
    FakeV4l2Io io;
    EncoderCaptureControl control(io, ":9");
    QTemporaryDir dir;
    control.setCaptureFile(dir.filePath("cut.avi"));
    control.setConnected(true);
    QSignalSpy interrupted(&control, &CaptureControl::captureInterrupted);
    ASSERT_TRUE(control.startCapture()) << control.lastError().toStdString();
    ASSERT_TRUE(interrupted.wait(10000));
    const QString why = interrupted.first().first().toString();
    const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files.first().startsWith(".cut.avi.")) << files.first().toStdString();
    EXPECT_TRUE(why.contains("No space left on device: " + dir.path())) << why.toStdString();
    EXPECT_TRUE(why.contains(dir.filePath(files.first())));
    EXPECT_TRUE(control.savedFile().isEmpty());
}

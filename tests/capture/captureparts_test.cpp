// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/capturecommand.h"
#include "capture/captureencodercommand.h"
#include "capture/captureprogress.h"
#include "capture/previewframecutter.h"
#include "capture/recordingtarget.h"
#include "common/appfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

TEST(CaptureStatistics, LabelTextRoundsHundredthsHalfToEven)
{
    EXPECT_EQ((CaptureStatistics{125, 2, 5040}.text()), "125 frames (2 dropped) - 5.04 sec.");
    EXPECT_EQ((CaptureStatistics{}.text()), "0 frames (0 dropped) - 0.00 sec.");
    EXPECT_EQ((CaptureStatistics{1, 0, 5045}.text()), "1 frames (0 dropped) - 5.04 sec.");
    EXPECT_EQ((CaptureStatistics{1, 0, 5055}.text()), "1 frames (0 dropped) - 5.06 sec.");
    EXPECT_EQ((CaptureStatistics{90000, 0, 3600999}.text()),
              "90000 frames (0 dropped) - 3601.00 sec.");
}

TEST(CaptureProgress, OnlyWholeBlocksCountAndRepeatsAreDrops)
{
    CaptureProgress progress;
    for (const char *line : {"frame=50", "fps=25.0", "out_time_us=2000000", "dup_frames=1",
                             "drop_frames=2", "speed=1x"})
        EXPECT_FALSE(progress.take(line));
    EXPECT_FALSE(progress.hasFrames()) << "a block counts only once closed";
    EXPECT_TRUE(progress.take("progress=continue"));
    EXPECT_EQ(progress.statistics().framesRecorded, 50);
    EXPECT_EQ(progress.statistics().framesDropped, 3);
    EXPECT_EQ(progress.statistics().timeMs, 2000);
    EXPECT_FALSE(progress.ended());

    // Before the first frame the encoder reports its time as N/A.
    progress.take("frame=51");
    progress.take("out_time_us=N/A");
    EXPECT_EQ(progress.statistics().framesRecorded, 50);
    EXPECT_TRUE(progress.take("progress=end"));
    EXPECT_EQ(progress.statistics().framesRecorded, 51);
    EXPECT_EQ(progress.statistics().timeMs, 0);
    EXPECT_TRUE(progress.ended());

    progress.take("drop_frames=9223372036854775807");
    progress.take("dup_frames=9223372036854775807");
    progress.take("progress=continue");
    EXPECT_EQ(progress.statistics().framesDropped, std::numeric_limits<qint64>::max());

    EXPECT_TRUE(CaptureProgress::isProgressLine("bitrate=N/A"));
    EXPECT_FALSE(
        CaptureProgress::isProgressLine("[x11grab @ 0x1] Cannot open display :9, error 1."));
    EXPECT_FALSE(CaptureProgress::isProgressLine("/tmp/a=b c.avi: Permission denied"));
}

TEST(PreviewFrameCutter, PiecesOfAnySizeGiveTheNewestWholeFrame)
{
    PreviewFrameCutter cutter(QSize(3, 2));
    const auto frameBytes = [](char shade) { return QByteArray(3 * 2 * 4, shade); };
    QByteArray stream = frameBytes(1) + frameBytes(2) + frameBytes(3);
    EXPECT_TRUE(cutter.feed(stream.left(10)).isNull());
    const QImage second = cutter.feed(stream.mid(10, 40)); // ends inside the third frame
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(second.size(), QSize(3, 2));
    EXPECT_EQ(second.pixel(2, 1), 0xff020202u);
    const QImage third = cutter.feed(stream.mid(50));
    ASSERT_FALSE(third.isNull());
    EXPECT_EQ(third.pixel(0, 0), 0xff030303u);
    EXPECT_TRUE(cutter.feed(QByteArray(5, 4)).isNull());
    cutter.reset(QSize()); // no preview: bytes are ignored
    EXPECT_TRUE(cutter.feed(frameBytes(5)).isNull());
}

TEST(CaptureEncoderCommand, OneChildRecordsAndPreviewsWithFileNamesAsSingleArguments)
{
    setAppFolder("/opt/klevar/");
    CaptureEncoderCommand::Request screen;
    screen.device = {CaptureDevice::Kind::Screen, "Screen :3", ":3"};
    screen.previewSize = QSize(320, 240);
    screen.recordFile = "/tmp/-my \"rec\" $x;.avi";
    const QStringList args = CaptureEncoderCommand::build(screen).argv();
    setAppFolder(QString());

    EXPECT_EQ(args.first(), "/opt/klevar/fp.dll");
    const qsizetype input = args.indexOf("-i");
    ASSERT_GT(input, 0);
    EXPECT_EQ(args.mid(input - 4, 5), QStringList({"-f", "x11grab", "-framerate", "25", "-i"}));
    EXPECT_EQ(args[input + 1], ":3");
    const qsizetype file = args.indexOf(screen.recordFile);
    ASSERT_GT(file, input);
    EXPECT_EQ(args.mid(file - 4, 4), QStringList({"-an", "-f", "avi", "-y"}));
    EXPECT_TRUE(args.contains("mjpeg"));
    // The preview comes after the recording, whose frames the progress counts.
    EXPECT_EQ(args.last(), "pipe:1");
    EXPECT_GT(args.lastIndexOf("rawvideo"), file);
    EXPECT_TRUE(args.contains("bgra"));
    EXPECT_TRUE(args.join(' ').contains("pad=320:240"));
    EXPECT_FALSE(args.contains("-t"));

    CaptureEncoderCommand::Request camera;
    camera.device = {CaptureDevice::Kind::Camera, "Cam", "/dev/video0"};
    camera.recordFile = "/tmp/a.avi";
    camera.limitMs = 3000;
    const QStringList cameraArgs = CaptureEncoderCommand::build(camera).argv();
    EXPECT_EQ(cameraArgs.mid(cameraArgs.indexOf("-i") - 2, 3), QStringList({"-f", "v4l2", "-i"}));
    EXPECT_EQ(cameraArgs.last(), "/tmp/a.avi") << "no preview asked for";
    EXPECT_EQ(cameraArgs[cameraArgs.indexOf("-t") + 1], "3.000");
    EXPECT_FALSE(cameraArgs.join(' ').contains("setpts")) << "a camera keeps its own times";
}

TEST(RecordingTarget, HiddenFileTakesTheNameOnlyWhenFinished)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("my capture.avi");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();

    RecordingTarget failed;
    ASSERT_TRUE(failed.prepare(target)) << failed.error().toStdString();
    EXPECT_TRUE(QFileInfo(failed.workFile()).fileName().startsWith('.'));
    EXPECT_EQ(QFileInfo(failed.workFile()).absolutePath(), dir.path());
    failed.discard();
    EXPECT_FALSE(QFile::exists(failed.workFile()));

    RecordingTarget done;
    ASSERT_TRUE(done.prepare(target));
    QFile work(done.workFile());
    ASSERT_TRUE(work.open(QIODevice::WriteOnly) && work.write("new!") == 4);
    work.close();
    EXPECT_TRUE(work.permissions() & QFile::ReadOther) << "a recording is not private";
    ASSERT_TRUE(done.finish());
    QFile result(target);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll(), "new!");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(RecordingTarget, UnusableTargetsSayWhyAndKeepWhatWasRecorded)
{
    RecordingTarget target;
    EXPECT_FALSE(target.prepare("/no/such/folder/x.avi"));
    EXPECT_TRUE(target.error().contains("/no/such/folder")) << target.error().toStdString();
    EXPECT_FALSE(target.prepare("/proc/x.avi")) << "a folder nobody may write into";
    EXPECT_TRUE(target.error().contains("Cannot write")) << target.error().toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("taken/inside"));
    EXPECT_FALSE(target.prepare(dir.filePath("taken"))) << "a folder is no file to record into";
    RecordingTarget blocked;
    ASSERT_TRUE(blocked.prepare(dir.filePath("busy.avi")));
    ASSERT_TRUE(QDir(dir.path()).mkpath("busy.avi/inside")); // a folder took the name since
    const QString work = blocked.workFile();
    EXPECT_FALSE(blocked.finish());
    EXPECT_TRUE(blocked.error().contains(work)) << blocked.error().toStdString();
    blocked.discard();
    EXPECT_TRUE(QFile::exists(work)) << "the recording itself is never thrown away";
}

TEST(CaptureCommand, ArgumentsAreCheckedBeforeAnythingRuns)
{
    auto parsed = CaptureCommand::parse({"--device", "1", "--seconds", "2.5", "--", "-a b.avi"});
    EXPECT_EQ(parsed.error, QString());
    EXPECT_EQ(parsed.device, 1);
    EXPECT_DOUBLE_EQ(parsed.seconds, 2.5);
    EXPECT_EQ(parsed.file, "-a b.avi");
    EXPECT_EQ(CaptureCommand::parse({"x.avi"}).error.contains("--seconds"), true);
    EXPECT_FALSE(CaptureCommand::parse({"--seconds", "0", "x.avi"}).error.isEmpty());
    EXPECT_FALSE(CaptureCommand::parse({"--seconds", "nan", "x.avi"}).error.isEmpty());
    EXPECT_FALSE(CaptureCommand::parse({"--device", "-1", "--seconds", "1", "x"}).error.isEmpty());
    EXPECT_FALSE(CaptureCommand::parse({"--seconds", "1", "a.avi", "b.avi"}).error.isEmpty());
    EXPECT_FALSE(CaptureCommand::parse({"--seconds", "1", "-x.avi"}).error.isEmpty());
    EXPECT_FALSE(CaptureCommand::parse({"--seconds"}).error.isEmpty());
}

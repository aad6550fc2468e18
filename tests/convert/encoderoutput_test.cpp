// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/childprogram.h"
#include "common/testfiles.h"
#include "convert/encodercapabilities.h"
#include "convert/encodercommand.h"
#include "convert/encoderfragments.h"
#include "convert/encoderlog.h"
#include "convert/encoderstatistics.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QString written(const QTemporaryDir &dir, const QString &name, const QByteArray &contents)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(contents);
    return path;
}
} // namespace

TEST(ReadLastLineOfFile, LastCompleteLineWithEitherLineEnd)
{
    QTemporaryDir dir;
    EXPECT_EQ(ReadLastLineOfFile(written(dir, "stats.log", "one\ntwo\n")), "two");
    EXPECT_EQ(ReadLastLineOfFile(written(dir, "stats.log", "one\r\ntwo\r\n")), "two");
    EXPECT_EQ(ReadLastLineOfFile(written(dir, "stats.log", "one\r\ntwo\nthree\r\n")), "three");
    // A line still being written is not returned.
    EXPECT_EQ(ReadLastLineOfFile(written(dir, "stats.log", "one\ntwo\nthr")), "two");
    EXPECT_EQ(ReadLastLineOfFile(written(dir, "stats.log", "one\n")), "one");
    EXPECT_EQ(ReadLastLineOfFile(written(dir, "stats.log", "one")), "");
    EXPECT_EQ(ReadLastLineOfFile(written(dir, "stats.log", "")), "");
    EXPECT_EQ(ReadLastLineOfFile(dir.filePath("missing.log")), "");
}

TEST(ReadLastLineOfFile, LongFilesAndLongLines)
{
    QTemporaryDir dir;
    QByteArray many;
    for (int i = 0; i < 100000; ++i)
        many += "out= 0 st= 0 frame= " + QByteArray::number(i) + " time= 1.0 br= 1\n";
    EXPECT_EQ(ReadLastLineOfFile(written(dir, "stats.log", many + "partial")),
              "out= 0 st= 0 frame= 99999 time= 1.0 br= 1");
    const QByteArray longLine(20000, 'x');
    EXPECT_EQ(ReadLastLineOfFile(written(dir, "stats.log", "a\n" + longLine + "\n" + longLine)),
              longLine);
    EXPECT_EQ(ReadLastLineOfFile(written(dir, "stats.log", longLine + "\n")), longLine);
}

TEST(EncoderStatistics, TimeFieldInBothLineLayouts)
{
    const QString current = "out=  0 st=  0 frame=    48 q= 1.6 f_size=  10440 s_size=       70kB "
                            "time= 4.840 br=  2088.0kbits/s avg_br=   299.4kbits/s type= I";
    const QString older =
        "frame= 250 q= 2.0 f_size= 1210 s_size= 500kB time= 10.000 br= 9.7kbits/s "
        "avg_br= 400.1kbits/s type= P";
    EXPECT_DOUBLE_EQ(*EncoderStatistics::encodedSeconds(current), 4.84);
    EXPECT_DOUBLE_EQ(*EncoderStatistics::encodedSeconds(older), 10.0);
    EXPECT_FALSE(EncoderStatistics::encodedSeconds("").has_value());
    EXPECT_FALSE(EncoderStatistics::encodedSeconds("frame= 1 q= 2.0").has_value());

    EXPECT_EQ(EncoderStatistics::percent(older, 40), 25);
    EXPECT_EQ(EncoderStatistics::percent("time= 0.5 br= 1", 4), 12); // 12.5, to the even
    EXPECT_EQ(EncoderStatistics::percent("time= 1.5 br= 1", 4), 38); // 37.5
    EXPECT_FALSE(EncoderStatistics::percent(older, 0).has_value());
    EXPECT_FALSE(EncoderStatistics::percent(older, 5).has_value()); // 200: the bar refuses
    EXPECT_FALSE(EncoderStatistics::percent(older, -5).has_value());
}

namespace {
// The last lines an encoder's runner keeps when the encoder writes these chunks, one
// after another, as a real child program.
QStringList keptLines(const QList<QByteArray> &chunks)
{
    QTemporaryDir dir;
    QStringList arguments = {"-c", "for f in \"$@\"; do cat \"$f\"; sleep 0.05; done", "sh"};
    for (const QByteArray &chunk : chunks)
        arguments << written(dir, QString::number(arguments.size()), chunk);
    ChildProgram encoder;
    EncoderLog::keepTail(encoder);
    QSignalSpy finished(&encoder, &ChildProgram::finished);
    encoder.start("/bin/sh", arguments);
    EXPECT_TRUE(finished.wait(10000));
    return encoder.tail();
}
} // namespace

TEST(EncoderLog, KeepsTheTellingLinesOfTheEnd)
{
    const QStringList lines =
        keptLines({"ffmpeg version 5.1\nInput #0, avi, from 'a.avi':\r\n  Duration: 00:00:03.04\n",
                   "frame=   10 fps=0.0 q=2.0 size=  1kB time=00:00:00.40\rframe=   20 fps",
                   "=0.0 q=2.0 size=  2kB\r[libx264 @ 0x55] width not divisible by 2 (321x240)\n",
                   "Error initializing output stream 0:0 -- Error while opening encoder\n",
                   "Conversion failed!\n"});
    EXPECT_EQ(EncoderLog::failureSummary(lines),
              "[libx264 @ 0x55] width not divisible by 2 (321x240)\n"
              "Error initializing output stream 0:0 -- Error while opening encoder");
    for (const QString &line : lines)
        EXPECT_FALSE(line.startsWith("frame=")) << line.toStdString();

    EXPECT_EQ(EncoderLog::failureSummary(
                  keptLines({"Output #0, mp4, to 'a.mp4':\nOutput file is empty, nothing was"})),
              "Output #0, mp4, to 'a.mp4':\nOutput file is empty, nothing was");

    QByteArray hundred;
    for (int i = 0; i < 100; ++i)
        hundred += "line " + QByteArray::number(i) + "\n";
    const QStringList many = keptLines({hundred});
    EXPECT_EQ(many.size(), EncoderLog::KeptLines);
    EXPECT_EQ(many.last(), "line 99");
    // A letter split between two chunks arrives whole.
    const QByteArray name = "Unknown encoder 'k\xc3\xa4se'\n";
    EXPECT_EQ(EncoderLog::failureSummary(keptLines({name.left(18), name.mid(18)})),
              QString::fromUtf8(name.trimmed()));
}

TEST(EncoderCapabilities, ListingAndTheArgumentsThatRun)
{
    const EncoderCapabilities caps = EncoderCapabilities::fromListing(
        "Encoders:\n V..... = Video\n A..... = Audio\n ------\n"
        " V....D libx264              libx264 H.264\n V..... mpeg4    MPEG-4 part 2\n"
        " A..... aac                  AAC (Advanced Audio Coding)\n A..X.. vorbis   Vorbis\n");
    ASSERT_TRUE(caps.isKnown());
    EXPECT_TRUE(caps.has("libx264"));
    EXPECT_TRUE(caps.has("aac"));
    EXPECT_FALSE(caps.has("="));
    EXPECT_FALSE(caps.has("libvo_aacenc"));

    EncoderCommand command;
    command.outputPath = "/O/libxvid.avi";
    command.commandLine.addQuoted("/P/fp.dll")
        .addText(" -i ")
        .addQuoted("/In/libvo_aacenc.avi")
        .addText("  -vcodec libxvid  -ab 128000 -acodec  libvorbis  -acodec libvo_aacenc ")
        .addText(" ")
        .addQuoted(command.outputPath)
        .addText(" -threads 2 -vstats_file ")
        .addQuoted("/P/curconvert.log")
        .addText(" -y");
    const QStringList expected = {"-i",           "/In/libvo_aacenc.avi",
                                  "-vcodec",      "mpeg4",
                                  "-ab",          "128000",
                                  "-acodec",      "vorbis",
                                  "-strict",      "-2",
                                  "-acodec",      "aac",
                                  "-threads",     "2",
                                  "-vstats_file", "/P/curconvert.log",
                                  "-y",           "/O/libxvid.avi"};
    EXPECT_EQ(caps.adapt(command), expected);
    // Not knowing what the program has, nothing is substituted; options still move.
    EXPECT_EQ(EncoderCapabilities().adapt(command).mid(2, 2), QStringList({"-vcodec", "libxvid"}));
    EXPECT_EQ(EncoderCapabilities().adapt(command).last(), "/O/libxvid.avi");
}

TEST(EncoderCapabilities, NewerEncodersThatAreMissingAreNeverReplacedByAnotherCodec)
{
    // An encoder built without x265, libvpx, SVT-AV1 and libopus, but with its own Opus.
    const EncoderCapabilities withOwnOpus = EncoderCapabilities::fromListing(
        " V....D libx264   libx264 H.264\n A..... aac   AAC\n A..X.. opus    Opus\n");
    const EncoderCapabilities withoutOpus =
        EncoderCapabilities::fromListing(" V....D libx264   libx264 H.264\n");
    EncoderCommand command;
    command.outputPath = "/O/a.mkv";
    const auto adapted = [&](const EncoderCapabilities &caps, const QString &video,
                             const QString &audio) {
        command.commandLine = CommandLine();
        command.commandLine.addQuoted("/P/fp.dll")
            .addText(" -i ")
            .addQuoted("/In/a.avi")
            .addText(EncoderFragments::videoCodec(video) + EncoderFragments::audioCodec(audio))
            .addQuoted(command.outputPath);
        return caps.adapt(command).join(' ');
    };
    // The encoder itself then refuses the row with "Unknown encoder 'libx265'".
    EXPECT_EQ(adapted(withOwnOpus, "x265 hvc1", "Opus"),
              "-i /In/a.avi -vcodec libx265 -preset veryfast -tag:v hvc1 -acodec opus -strict -2 "
              "/O/a.mkv");
    EXPECT_EQ(adapted(withOwnOpus, "VP9", "aac"),
              "-i /In/a.avi -vcodec libvpx-vp9 -deadline realtime -cpu-used 5 -row-mt 1 "
              "-acodec aac /O/a.mkv");
    EXPECT_EQ(adapted(withoutOpus, "AV1", "Opus"),
              "-i /In/a.avi -vcodec libsvtav1 -preset 10 -acodec libopus /O/a.mkv");
}

// An encoder that hangs when asked for its list is asked once, and waited on only briefly:
// callers meanwhile and later share that one answer.
TEST(EncoderCapabilities, AProgramThatHangsIsAskedOnceAndBriefly)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("fp.dll");
    const QString asked = dir.filePath("asked");
    TestFiles::script(program, "echo once >> '" + asked.toUtf8() + "'\nexec sleep 60\n");
    QObject context;
    QList<bool> answers;
    const auto query = [&] {
        EncoderCapabilities::query(program, &context, [&](const EncoderCapabilities &answer) {
            answers << answer.isKnown();
        });
    };
    QElapsedTimer clock;
    clock.start();
    query();
    query();
    ASSERT_TRUE(QTest::qWaitFor([&] { return answers.size() == 2; },
                                EncoderCapabilities::QueryTimeoutMs + 5000));
    EXPECT_LT(clock.elapsed(), EncoderCapabilities::QueryTimeoutMs + 3000);
    query();
    ASSERT_TRUE(QTest::qWaitFor([&] { return answers.size() == 3; }, 1000));
    EXPECT_EQ(answers, QList<bool>({false, false, false}));
    EXPECT_EQ(TestFiles::contentsOf(asked), "once\n");
}

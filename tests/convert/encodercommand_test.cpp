// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/appfolder.h"
#include "convert/encodercapabilities.h"
#include "convert/encodercommand.h"
#include "convert/encoderfragments.h"
#include "convert/runarguments.h"
#include "convertoptions.h"
#include "media/mediafacts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString Mp4Caption = "001.  MP4 Video (*.mp4)";

class EncoderCommandTest : public ::testing::Test
{
protected:
    void SetUp() override { setAppFolder("/P"); }
    void TearDown() override { setAppFolder(QString()); }

    QString text(const ConvertOptions &options, const EncoderRow &row = example(),
                 const RunSettings &settings = exampleSettings())
    {
        OptionSet set;
        options.fill(set);
        return BuildEncoderCommand(row, set, Mp4Caption, settings).commandLine.text();
    }
    // The command between the input and the clip times: the codec and rate options.
    QString middle(const ConvertOptions &options)
    {
        const QString all = text(options);
        const qsizetype from = all.indexOf("a.avi\"") + 6;
        return all.mid(from, all.indexOf("\"/O/") - from);
    }
    static EncoderRow example() { return {"/In/a.avi", "0:00:10", "0:01:10", ""}; }
    static RunSettings exampleSettings() { return {"/O", true, 2}; }
};
} // namespace

TEST_F(EncoderCommandTest, ExampleCharacterForCharacter)
{
    OptionSet set;
    ConvertOptions().fill(set);
    const EncoderCommand c = BuildEncoderCommand(example(), set, Mp4Caption, exampleSettings());
    EXPECT_EQ(c.commandLine.text().toStdString(),
              "\"/P/fp.dll\" -i \"/In/a.avi\"  -vcodec libx264  -ab 128000 -ac 2  -ar 44100  "
              "-b 1500000 -r 25  -ss 10 -t 60 -s 640x480  -aspect 16:9  -acodec libvo_aacenc  "
              "\"/O/a.mp4\" -threads 2 -vstats_file \"/P/curconvert.log\"");
    EXPECT_EQ(c.outputPath, "/O/a.mp4");
    EXPECT_EQ(c.clipDurationSeconds, 60);
    EXPECT_EQ(c.commandLine.program(), "/P/fp.dll");
    EXPECT_EQ(c.commandLine.arguments().first(), "-i");
}

TEST_F(EncoderCommandTest, CodecsMapInAnyCaseAndUnknownOnesGoInBare)
{
    EXPECT_EQ(EncoderFragments::videoCodec("XVID"), " -vcodec libxvid ");
    EXPECT_EQ(EncoderFragments::videoCodec("Wmv V9"), " -vcodec wmv2 ");
    EXPECT_EQ(EncoderFragments::videoCodec("h263"), " -vcodec h263p ");
    EXPECT_EQ(EncoderFragments::videoCodec("VP8"), " -vcodec libvpx ");
    EXPECT_EQ(EncoderFragments::videoCodec("Copy"), "Copy");
    EXPECT_EQ(EncoderFragments::audioCodec("AAC"), " -acodec libvo_aacenc ");
    EXPECT_EQ(EncoderFragments::audioCodec("Ogg"), " -acodec libvorbis ");
    EXPECT_EQ(EncoderFragments::audioCodec("Vorbis"), " -acodec  libvorbis ");
    EXPECT_EQ(EncoderFragments::audioCodec("dca"), " -acodec  libvo_aacenc ");
    EXPECT_EQ(EncoderFragments::audioCodec("PCM"), " -acodec pcm_alaw ");
    EXPECT_EQ(EncoderFragments::audioCodec("Original"), "  ");
    EXPECT_EQ(EncoderFragments::audioCodec("copy"), "copy");

    ConvertOptions o;
    o.videoCodec = "copy";
    EXPECT_EQ(middle(o), " copy -ab 128000 -ac 2  -ar 44100  -b 1500000 -r 25  -ss 10 -t 60 "
                         "-s 640x480  -aspect 16:9  -acodec libvo_aacenc  ");
}

TEST_F(EncoderCommandTest, NewerCodecsHaveRowsOfTheirOwn)
{
    EXPECT_EQ(EncoderFragments::videoCodec("x265"), " -vcodec libx265 -preset veryfast ");
    EXPECT_EQ(EncoderFragments::videoCodec("X265 hvc1"),
              " -vcodec libx265 -preset veryfast -tag:v hvc1 ");
    EXPECT_EQ(EncoderFragments::videoCodec("VP9"),
              " -vcodec libvpx-vp9 -deadline realtime -cpu-used 5 -row-mt 1 ");
    EXPECT_EQ(EncoderFragments::videoCodec("AV1"), " -vcodec libsvtav1 -preset 10 ");
    EXPECT_EQ(EncoderFragments::audioCodec("Opus"), " -acodec libopus ");
    // Near misses stay values of their own, inserted bare.
    for (const char *other : {"x265 ", "hevc", "x265hvc1", "libsvtav1"})
        EXPECT_EQ(EncoderFragments::videoCodec(other), other);
    EXPECT_EQ(EncoderFragments::audioCodec("libopus"), "libopus");

    ConvertOptions o;
    o.videoCodec = "x265 hvc1";
    o.audioCodec = "Opus";
    o.sampleRate = "48000";
    EXPECT_EQ(middle(o), "  -vcodec libx265 -preset veryfast -tag:v hvc1  -ab 128000 -ac 2  "
                         "-ar 48000  -b 1500000 -r 25  -ss 10 -t 60 -s 640x480  -aspect 16:9  "
                         "-acodec libopus  ");
    OptionSet set;
    o.fill(set);
    const QStringList args =
        BuildEncoderCommand(example(), set, Mp4Caption, exampleSettings()).commandLine.arguments();
    EXPECT_EQ(args.mid(2, 6),
              QStringList({"-vcodec", "libx265", "-preset", "veryfast", "-tag:v", "hvc1"}));
}

TEST_F(EncoderCommandTest, EveryOlderCodecRowIsAsItWas)
{
    const QList<std::pair<const char *, const char *>> video = {
        {"xvid", " -vcodec libxvid "},
        {"x264", " -vcodec libx264 "},
        {"mpeg4", " -vcodec mpeg4 "},
        {"wmv v9", " -vcodec wmv2 "},
        {"wmv v8", " -vcodec wmv2 "},
        {"mjpeg", " -vcodec mjpeg "},
        {"h263", " -vcodec h263p "},
        {"h263p", " -vcodec h263p "},
        {"mpeg1", " -vcodec mpeg1video "},
        {"mpeg2", " -vcodec mpeg2video "},
        {"msmpeg4", " -vcodec msmpeg4 "},
        {"msmpeg4v2", " -vcodec msmpeg4v2 "},
        {"wmv1", " -vcodec wmv1 "},
        {"wmv2", " -vcodec wmv2 "},
        {"huffyuv", " -vcodec huffyuv "},
        {"ffv1", " -vcodec ffv1 "},
        {"vp8", " -vcodec libvpx "},
        {"libtheora", " -vcodec libtheora "},
        {"gif", " -vcodec gif "},
        {"mpeg1video", " -vcodec mpeg1video "},
        {"mpeg2video", " -vcodec mpeg2video "},
        {"flv", " -vcodec flv "},
        {"original", " "},
        {"n/a", " "}};
    for (const auto &[value, fragment] : video)
        EXPECT_EQ(EncoderFragments::videoCodec(value), fragment) << value;
    const QList<std::pair<const char *, const char *>> audio = {
        {"aac", " -acodec libvo_aacenc "},
        {"mp3", " -acodec libmp3lame "},
        {"wma 9.2", " -acodec wmav2 "},
        {"wmav1", " -acodec wmav1 "},
        {"wmav2", " -acodec wmav2 "},
        {"pcm", " -acodec pcm_alaw "},
        {"opencore_amrnb", " -acodec libopencore_amrnb "},
        {"faac", " -acodec  libvo_aacenc "},
        {"ac3", " -acodec ac3 "},
        {"ogg", " -acodec libvorbis "},
        {"libvorbis", " -acodec  libvorbis "},
        {"vorbis", " -acodec  libvorbis "},
        {"pcm_s16be", " -acodec pcm_s16be "},
        {"wma", " -acodec wmav2 "},
        {"mp2", " -acodec mp2 "},
        {"aac_low", " -acodec libvo_aacenc "},
        {"aac_main", " -acodec libvo_aacenc "},
        {"aac_ltp", " -acodec libvo_aacenc "},
        {"alac", " -acodec alac "},
        {"flac", " -acodec flac "},
        {"ape", " -acodec libvo_aacenc "},
        {"dca", " -acodec  libvo_aacenc "},
        {"original", "  "},
        {"n/a", "  "}};
    for (const auto &[value, fragment] : audio)
        EXPECT_EQ(EncoderFragments::audioCodec(value), fragment) << value;
}

TEST_F(EncoderCommandTest, TrimmedOriginalOrNotAvailableLeavesOptionsOut)
{
    for (const char *none : {"Original", " N/A ", "  Original"}) {
        ConvertOptions o;
        o.videoSize = none;
        o.videoBitrate = none;
        o.frameRate = none;
        o.audioBitrate = none;
        o.sampleRate = none;
        EXPECT_EQ(middle(o), "  -vcodec libx264   -ac 2     -ss 10 -t 60  -aspect 16:9  "
                             "-acodec libvo_aacenc  ")
            << none;
    }
    // Other values, "Auto" too, go to the encoder as they are.
    ConvertOptions o;
    o.frameRate = "Auto";
    o.videoBitrate = "1152";
    o.audioBitrate = "64kbps";
    EXPECT_TRUE(middle(o).contains(" -ab 64000 -ac 2 "));
    EXPECT_TRUE(middle(o).contains(" -b 1152000 -r Auto  -ss"));
}

TEST_F(EncoderCommandTest, OnlyAnExactNotAvailableCodecDropsAspectAndChannels)
{
    ConvertOptions o;
    o.videoCodec = "N/A";
    o.audioCodec = "N/A";
    EXPECT_EQ(middle(o), "   -ab 128000  -ar 44100  -b 1500000 -r 25  -ss 10 -t 60 "
                         "-s 640x480     ");
    o.videoCodec = "n/a";
    o.audioCodec = " N/A";
    const QString m = middle(o);
    EXPECT_TRUE(m.contains(" -aspect 16:9 ")) << m.toStdString();
    EXPECT_TRUE(m.contains(" -ac 2 ")) << m.toStdString();
}

TEST_F(EncoderCommandTest, OriginalAspectLeavesTheAspectOut)
{
    ConvertOptions o;
    o.aspect = "Original";
    EXPECT_EQ(middle(o), "  -vcodec libx264  -ab 128000 -ac 2  -ar 44100  -b 1500000 -r 25  "
                         "-ss 10 -t 60 -s 640x480   -acodec libvo_aacenc  ");
    o.aspect = "4:3";
    EXPECT_TRUE(middle(o).contains(" -s 640x480  -aspect 4:3  -acodec")) << middle(o).toStdString();
}

TEST_F(EncoderCommandTest, DisableAudioAddsAnAndKeepsTheAudioOptions)
{
    ConvertOptions o;
    o.disableAudio = "Yes";
    EXPECT_TRUE(middle(o).endsWith(" -acodec libvo_aacenc  -an  "));
    EXPECT_TRUE(middle(o).contains(" -ab 128000 -ac 2  -ar 44100 "));
    o.disableAudio = "no";
    EXPECT_TRUE(middle(o).contains(" -an "));
}

TEST_F(EncoderCommandTest, WatermarkAddsTheImageAndItsPlace)
{
    const QList<std::pair<QString, QString>> places = {
        {"Top left corner", "overlay=10:10"},
        {"Top right corner", "overlay=main_w-overlay_w-10:10"},
        {"Bottom left corner", "overlay=10:main_h-overlay_h-10"},
        {"Bottom right corner", "overlay=main_w-overlay_w-5:main_h-overlay_h-5"},
        {"Center", "overlay=(main_w-overlay_w)/2:(main_h-overlay_h)/2"},
    };
    for (const auto &[place, expression] : places) {
        EncoderRow row = example();
        row.watermark = "image;/pics/my logo.png;area;" + place;
        EXPECT_TRUE(text(ConvertOptions(), row)
                        .startsWith("\"/P/fp.dll\" -i \"/In/a.avi\" -i \"/pics/my logo.png\" "
                                    "-filter_complex " +
                                    expression + "  -vcodec libx264 "))
            << place.toStdString();
    }
    for (const char *none : {"", "   "}) {
        EncoderRow row = example();
        row.watermark = none;
        EXPECT_FALSE(text(ConvertOptions(), row).contains("-filter_complex"));
    }
}

TEST_F(EncoderCommandTest, ClipTimesReadHoursPastADay)
{
    EncoderRow row = example();
    row.start = "25:00:00";
    row.end = "25:00:30";
    EXPECT_TRUE(text(ConvertOptions(), row).contains(" -ss 90000 -t 30 "));
    row.end = "0:00:00";
    EXPECT_TRUE(text(ConvertOptions(), row).contains(" -ss 90000 -t -90000 "));
}

TEST_F(EncoderCommandTest, ThreadsOverwriteAndArgumentsThatRun)
{
    RunSettings settings = exampleSettings();
    settings.threadCount = 0;
    EXPECT_TRUE(text(ConvertOptions(), example(), settings)
                    .endsWith("\"/O/a.mp4\" -threads 0 -vstats_file \"/P/curconvert.log\""));
    // The settings dialog lets a negative count through; the encoder would refuse it.
    settings.threadCount = -5;
    EXPECT_TRUE(text(ConvertOptions(), example(), settings).contains(" -threads 0 "));
    // Overwriting needs -y, else the encoder asks on its input and waits for ever; it
    // follows everything else so the command reads as before.
    settings.keepExistingFile = false;
    EXPECT_TRUE(text(ConvertOptions(), example(), settings)
                    .endsWith("-threads 0 -vstats_file \"/P/curconvert.log\" -y"));

    OptionSet set;
    ConvertOptions().fill(set);
    const EncoderRow odd = {"/In/-a \"b\" 'c' $(touch X); & d.avi", "0:00:00", "0:00:01", ""};
    const QStringList args =
        BuildEncoderCommand(odd, set, Mp4Caption, settings).commandLine.arguments();
    EXPECT_EQ(args.mid(0, 2), QStringList({"-i", odd.fileName}));
    EXPECT_EQ(args.mid(args.size() - 6),
              QStringList({"/O/-a \"b\" 'c' $(touch X); & d.mp4", "-threads", "0", "-vstats_file",
                           "/P/curconvert.log", "-y"}));
}

TEST(OutputPath, ExtensionComesFromTheCaptionsEnding)
{
    EXPECT_EQ(EncoderFragments::outputExtension("001.  MP4 Video (*.mp4)"), ".mp4");
    EXPECT_EQ(EncoderFragments::outputExtension("123.  AVI (*.avi)"), ".avi");
    EXPECT_EQ(EncoderFragments::outputExtension("012.  iPod Video MPEG-4 (*.m4v)"), ".m4v");
    // A "." inside the type name comes first: the rule is kept as it is.
    EXPECT_EQ(EncoderFragments::outputExtension("004.  H.264 Video (*.mp4)"), ".264 Video (*.mp4");
    EXPECT_EQ(EncoderFragments::outputExtension(""), "");
    EXPECT_EQ(EncoderFragments::outputExtension("Apple iPod"), "");
}

TEST(OutputPath, BaseNameStopsAtTheFirstDot)
{
    EXPECT_EQ(EncoderFragments::baseName("/v/my.trip.avi"), "my");
    EXPECT_EQ(EncoderFragments::baseName("/v.d/clip.part1.avi"), "clip");
    EXPECT_EQ(EncoderFragments::baseName("/v/noext"), "noext");
    EXPECT_EQ(EncoderFragments::outputPath("/O", "/v/my.trip.avi", ".avi", true), "/O/my.avi");
}

TEST(OutputPath, ExistingFilesGetNewAddedOrAreOverwritten)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString in = "/somewhere/a.b.avi";
    EXPECT_EQ(EncoderFragments::outputPath(folder, in, ".mp4", true), folder + "/a.mp4");
    QFile(folder + "/a.mp4").open(QIODevice::WriteOnly);
    EXPECT_EQ(EncoderFragments::outputPath(folder, in, ".mp4", true), folder + "/a_New.mp4");
    QFile(folder + "/a_New.mp4").open(QIODevice::WriteOnly);
    EXPECT_EQ(EncoderFragments::outputPath(folder, in, ".mp4", true), folder + "/a_New_New.mp4");
    EXPECT_EQ(EncoderFragments::outputPath(folder, in, ".mp4", false), folder + "/a.mp4");
    // Other extensions do not count.
    EXPECT_EQ(EncoderFragments::outputPath(folder, in, ".avi", true), folder + "/a.avi");
}

// A plain input runs the command as built: the common case costs nothing more.
TEST_F(EncoderCommandTest, APlainInputRunsTheCommandAsBuilt)
{
    OptionSet set;
    ConvertOptions().fill(set);
    const EncoderCommand c = BuildEncoderCommand(example(), set, Mp4Caption, exampleSettings());
    const MediaFacts plain =
        MediaFacts::parse("  Stream #0:0: Video: mpeg4, yuv420p, 320x240 [SAR 1:1 DAR 4:3]\n");
    QStringList asBuilt = EncoderCapabilities().adapt(c);
    asBuilt.last() = "-y"; // the part is ours to replace
    asBuilt << "/O/.a.part.mp4";
    EXPECT_EQ(RunArguments(c, EncoderCapabilities(), plain, "/O/.a.part.mp4"), asBuilt);
}

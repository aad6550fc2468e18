// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfixture.h"

#include "common/mediafixtures.h"
#include "convertoptions.h"

#include <QColor>
#include <QImage>

namespace {
// A clip in one of the shapes files from cameras, phones, DVDs and old AVI files come in.
struct Source
{
    const char *file;
    QString size;
    int rate;
    QStringList making; // the encoder's options that give the clip its shape
};
// 10-bit H.264 tagged BT.2020 with the PQ (HDR10) or HLG transfer.
Source hdr(const char *file, const char *transfer)
{
    return {file,
            "320x240",
            25,
            {"-pix_fmt", "yuv420p10le", "-c:v", "libx264", "-color_trc", transfer, "-colorspace",
             "bt2020nc", "-color_primaries", "bt2020", "-c:a", "aac"}};
}
const Source Camera = {"camera.avi", "320x240", 25, {"-c:v", "mpeg4", "-c:a", "mp2"}};
const Source Dvd = {"dvd.mpg",
                    "720x576",
                    50,
                    {"-vf", "interlace=scan=tff", "-c:v", "mpeg2video", "-flags", "+ildct+ilme",
                     "-top", "1", "-b:v", "3M", "-c:a", "mp2"}};
const Source Dvd43 = {
    "dvd43.mpg", "720x576", 25, {"-aspect", "4:3", "-c:v", "mpeg2video", "-c:a", "mp2"}};
const Source OddCamera = {"camera.mpg", "720x405", 25, {"-c:v", "mpeg2video", "-c:a", "mp2"}};
const Source DivX3 = {
    "divx3.avi", "320x240", 25, {"-vf", "setsar=0", "-c:v", "msmpeg4", "-c:a", "mp3"}};
const Source TenBit = {
    "phone.mp4", "320x240", 25, {"-pix_fmt", "yuv420p10le", "-c:v", "libx264", "-c:a", "aac"}};
const Source FullChroma = {
    "edit.mp4", "320x240", 25, {"-pix_fmt", "yuv444p", "-c:v", "libx264", "-c:a", "aac"}};

// The options of a type: video codec, frame size, audio codec, and the extension.
struct Type
{
    QString videoCodec, videoSize, audioCodec, extension;
};
const Type Mp4H264 = {"x264", "Original", "aac", "mp4"};

// A clip converted with one type's options, and what ffprobe must read in the output.
struct Shape
{
    const char *name;
    Source source;
    Type type;
    QStringList expected; // "key=value" as MediaFixtures::videoFacts reads the output
    bool watermark = false;
    QString area; // where the picture lies within borders, when the output has any
};
const QStringList ToneMapped = {"pix_fmt=yuv420p", "color_transfer=bt709", "color_primaries=bt709"};
const Shape Shapes[] = {
    {"FractionalLength", Camera, Mp4H264, {"width=320", "height=240"}},
    {"InterlacedProgramStream", Dvd, Mp4H264, {"field_order=progressive", "avg_frame_rate=25/1"}},
    {"OddHeight", OddCamera, Mp4H264, {"width=720", "height=404", "display_aspect_ratio=16:9"}},
    {"NoStatedShape",
     DivX3,
     {"VP9", "1280x720", "opus", "webm"},
     {"width=1280", "height=720", "display_aspect_ratio=4:3"}},
    {"WidePixelsSquaredForFlv",
     Dvd43,
     {"flv", "Original", "mp3", "flv"},
     {"width=768", "height=576"}},
    {"UnstatedShapeBorderedForFlv",
     DivX3,
     {"flv", "640x360", "mp3", "flv"},
     {"width=640", "height=360"},
     false,
     "480:360:80:0"},
    {"TenBitToAPhone", TenBit, {"x264", "480x320", "aac", "mp4"}, {"pix_fmt=yuv420p"}},
    {"FullChromaToH264", FullChroma, Mp4H264, {"pix_fmt=yuv420p"}},
    {"FullChromaStaysInFfv1", FullChroma, {"ffv1", "Original", "flac", "mkv"}, {"pix_fmt=yuv444p"}},
    {"Hdr10ToneMappedForH264", hdr("hdr10.mp4", "smpte2084"), Mp4H264, ToneMapped},
    {"HlgToneMappedForH264", hdr("hlg.mp4", "arib-std-b67"), Mp4H264, ToneMapped},
    {"Hdr10StaysInHevcUnderAWatermark",
     hdr("hdr10.mp4", "smpte2084"),
     {"x265", "Original", "aac", "mkv"},
     {"pix_fmt=yuv420p10le", "color_transfer=smpte2084"},
     true},
};

class RealFiles : public RunFixture, public ::testing::WithParamInterface<Shape>
{
};
} // namespace

// Converted to the file's very end, of a size and pixel format the encoder and players
// take, the picture's shape kept, HDR tone-mapped or kept, and combing removed.
TEST_P(RealFiles, ConvertToTheirWholeLengthInAShapePlayersShow)
{
    const Shape &s = GetParam();
    const QString input = m_media.filePath(s.source.file);
    MediaFixtures::Clip clip{2.4, s.source.size, true, true, s.source.rate, s.source.making};
    ASSERT_TRUE(MediaFixtures::make(input, clip));
    // As the probe adds it: the length in whole seconds, and no clip end chosen.
    addRow(input, 2);
    m_list.setText(0, ConversionList::VideoTime, "0:00:02");
    if (s.watermark) {
        QImage logo(40, 30, QImage::Format_ARGB32);
        logo.fill(QColor(255, 0, 0, 160));
        ASSERT_TRUE(logo.save(m_media.filePath("logo.png")));
        m_list.setText(0, ConversionList::Watermark,
                       "image;" + m_media.filePath("logo.png") + ";area;Top left corner");
    }
    ConvertOptions o;
    o.videoCodec = s.type.videoCodec;
    o.aspect = o.frameRate = "Original";
    o.videoSize = s.type.videoSize;
    o.videoBitrate = "400";
    o.audioCodec = s.type.audioCodec;
    o.sampleRate = o.audioCodec == "opus" ? "48000" : "44100";
    o.fill(m_options);
    m_caption = QStringLiteral("001.  Test (*.%1)").arg(s.type.extension);

    ASSERT_TRUE(convert(120000));
    ASSERT_EQ(statuses(), QStringList({"OK"})) << m_list.toolTip(0).toStdString();
    const QString output =
        m_out.filePath(QString(s.source.file).section('.', 0, 0) + "." + s.type.extension);
    const QMap<QString, QString> facts = MediaFixtures::videoFacts(output);
    for (const QString &wanted : s.expected) {
        const QString key = wanted.section('=', 0, 0);
        EXPECT_EQ((key + "=" + facts.value(key)).toStdString(), wanted.toStdString());
    }
    // To the file's very end.
    EXPECT_NEAR(facts.value("duration").toDouble(), MediaFixtures::duration(input), 0.15);
    EXPECT_EQ(MediaFixtures::combedFrames(output), 0);
    if (!s.area.isEmpty())
        EXPECT_EQ(MediaFixtures::pictureArea(output), s.area);
    EXPECT_EQ(m_tracksAtRowEnd, QList<int>({100}));
}

INSTANTIATE_TEST_SUITE_P(Shapes, RealFiles, ::testing::ValuesIn(Shapes),
                         [](const auto &info) { return std::string(info.param.name); });

#include "runfixture.h"

#include "common/mediafixtures.h"
#include "convertoptions.h"
#include "media/mediaprobe.h"

#include <QColor>
#include <QImage>
#include <QSignalSpy>

namespace {
// A clip in one of the shapes files from cameras, phones, DVDs and old AVI files come in,
// converted with one type's options, and what ffprobe must read in the output.
struct Shape
{
    const char *name;
    const char *file;
    QString size;
    int rate;
    QStringList making; // the encoder's options that give the clip its shape
    QString videoCodec, videoSize, audioCodec, extension;
    QStringList expected; // "key=value" as MediaFixtures::videoFacts reads the output
    bool watermark = false;
};

const QStringList Mpeg4 = {"-c:v", "mpeg4", "-c:a", "mp2"};
const QStringList Hdr10 = {"-pix_fmt",    "yuv420p10le", "-c:v",       "libx264",
                           "-color_trc",  "smpte2084",   "-colorspace", "bt2020nc",
                           "-color_primaries", "bt2020", "-c:a",       "aac"};
QStringList hlg()
{
    QStringList making = Hdr10;
    making[making.indexOf("smpte2084")] = "arib-std-b67";
    return making;
}

const Shape Shapes[] = {
    {"FractionalLength", "camera.avi", "320x240", 25, Mpeg4, "x264", "Original", "aac", "mp4",
     {"width=320", "height=240"}},
    {"InterlacedProgramStream", "dvd.mpg", "720x576", 50,
     {"-vf", "interlace=scan=tff", "-c:v", "mpeg2video", "-flags", "+ildct+ilme", "-top", "1",
      "-b:v", "3M", "-c:a", "mp2"},
     "x264", "Original", "aac", "mp4", {"field_order=progressive", "avg_frame_rate=25/1"}},
    {"OddHeight", "camera.mpg", "720x405", 25, {"-c:v", "mpeg2video", "-c:a", "mp2"}, "x264",
     "Original", "aac", "mp4", {"width=720", "height=404", "display_aspect_ratio=16:9"}},
    {"NoStatedShape", "divx3.avi", "320x240", 25,
     {"-vf", "setsar=0", "-c:v", "msmpeg4", "-c:a", "mp3"}, "VP9", "1280x720", "opus", "webm",
     {"width=1280", "height=720", "display_aspect_ratio=4:3"}},
    {"TenBitToAPhone", "phone.mp4", "320x240", 25,
     {"-pix_fmt", "yuv420p10le", "-c:v", "libx264", "-c:a", "aac"}, "x264", "480x320", "aac",
     "mp4", {"pix_fmt=yuv420p"}},
    {"FullChromaToH264", "edit.mp4", "320x240", 25,
     {"-pix_fmt", "yuv444p", "-c:v", "libx264", "-c:a", "aac"}, "x264", "Original", "aac", "mp4",
     {"pix_fmt=yuv420p"}},
    {"FullChromaStaysInFfv1", "edit.mp4", "320x240", 25,
     {"-pix_fmt", "yuv444p", "-c:v", "libx264", "-c:a", "aac"}, "ffv1", "Original", "flac", "mkv",
     {"pix_fmt=yuv444p"}},
    {"Hdr10ToneMappedForH264", "hdr10.mp4", "320x240", 25, Hdr10, "x264", "Original", "aac",
     "mp4", {"pix_fmt=yuv420p", "color_transfer=bt709", "color_primaries=bt709"}},
    {"HlgToneMappedForH264", "hlg.mp4", "320x240", 25, hlg(), "x264", "Original", "aac", "mp4",
     {"pix_fmt=yuv420p", "color_transfer=bt709", "color_primaries=bt709"}},
    {"Hdr10StaysInHevcUnderAWatermark", "hdr10.mp4", "320x240", 25, Hdr10, "x265", "Original",
     "aac", "mkv", {"pix_fmt=yuv420p10le", "color_transfer=smpte2084"}, true},
};

class RealFiles : public RunFixture, public ::testing::WithParamInterface<Shape>
{
protected:
    // Adds the file as the window does, probed by the player.
    void addProbed(const QString &path)
    {
        MediaProbe probe(&m_list);
        QSignalSpy idle(&probe, &MediaProbe::idle);
        probe.AddVideoFile(path);
        ASSERT_TRUE(idle.wait(30000));
    }
};
} // namespace

// Converted to the file's very end, of a size and pixel format the encoder and players
// take, the picture's shape kept, HDR tone-mapped or kept, and combing removed.
TEST_P(RealFiles, ConvertToTheirWholeLengthInAShapePlayersShow)
{
    const Shape &s = GetParam();
    const QString input = m_media.filePath(s.file);
    MediaFixtures::Clip clip{2.4, s.size, true, true, s.rate, s.making};
    ASSERT_TRUE(MediaFixtures::make(input, clip));
    addProbed(input);
    if (s.watermark) {
        QImage logo(40, 30, QImage::Format_ARGB32);
        logo.fill(QColor(255, 0, 0, 160));
        ASSERT_TRUE(logo.save(m_media.filePath("logo.png")));
        m_list.setText(0, ConversionList::Watermark,
                       "image;" + m_media.filePath("logo.png") + ";area;Top left corner");
    }
    ConvertOptions o;
    o.videoCodec = s.videoCodec;
    o.aspect = o.frameRate = "Original";
    o.videoSize = s.videoSize;
    o.videoBitrate = "400";
    o.audioCodec = s.audioCodec;
    o.sampleRate = s.audioCodec == "opus" ? "48000" : "44100";
    o.fill(m_options);
    m_caption = QStringLiteral("001.  Test (*.%1)").arg(s.extension);

    ASSERT_TRUE(convert(120000));
    ASSERT_EQ(statuses(), QStringList({"OK"})) << m_list.toolTip(0).toStdString();
    const QString output = m_out.filePath(QString(s.file).section('.', 0, 0) + "." + s.extension);
    const QMap<QString, QString> facts = MediaFixtures::videoFacts(output);
    for (const QString &wanted : s.expected) {
        const QString key = wanted.section('=', 0, 0);
        EXPECT_EQ((key + "=" + facts.value(key)).toStdString(), wanted.toStdString());
    }
    // The probe reads whole seconds; the output lasts what the file does.
    EXPECT_NEAR(facts.value("duration").toDouble(), MediaFixtures::duration(input), 0.15);
    EXPECT_EQ(MediaFixtures::combedFrames(output), 0);
    EXPECT_EQ(m_tracksAtRowEnd, QList<int>({100}));
}

INSTANTIATE_TEST_SUITE_P(Shapes, RealFiles, ::testing::ValuesIn(Shapes),
                         [](const auto &info) { return std::string(info.param.name); });

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/programfolder.h"
#include "profiles/classicons.h"
#include "profiles/profilecatalogue.h"
#include "profiles/profiledatabase.h"
#include "profiles/profileoptions.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

// The catalogue the build ships in its program folder.
namespace {

class ShippedCatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(database.open(ProgramFolder::buildFolder() + "/ct.s3db"))
            << database.errorText().toStdString();
        ASSERT_TRUE(catalogue.load(database));
    }
    QList<ProfileEntry> types() const
    {
        QList<ProfileEntry> found;
        for (const ProfileEntry &e : catalogue.entries()) {
            if (e.isType())
                found << e;
        }
        return found;
    }
    // The extension the conversion reads from a chooser text: from the first "." at or
    // after the 5th character to the first ")" within the last nine characters.
    static QString extensionOf(const QString &caption)
    {
        const qsizetype p = caption.indexOf('.', 4);
        const qsizetype q = caption.indexOf(')', qMax<qsizetype>(0, caption.size() - 9));
        return p < 0 || q < p ? QString() : caption.mid(p, q - p);
    }

    QStringList values(const ProfileEntry &type, const QString &table)
    {
        return database.optionValues(table, ProfileCatalogue::typeIdOfKey(type.key))
            .value_or(QStringList());
    }
    QString defaultOf(const ProfileEntry &type, const QString &table)
    {
        return values(type, table).value(0);
    }

    ProfileDatabase database;
    ProfileCatalogue catalogue;
};

TEST_F(ShippedCatalogueTest, TwentyNineClassesWithPicturesAndManyTypes)
{
    const auto classes = database.classes();
    ASSERT_TRUE(classes);
    ASSERT_EQ(classes->size(), 29);
    for (int i = 0; i < 29; ++i) {
        EXPECT_EQ(classes->at(i).id, i + 1);
        const QPixmap picture = ClassIcons::pixmap(i + 1);
        EXPECT_EQ(picture.size(), QSize(16, 16)) << i + 1;
        const auto classTypes = database.types(classes->at(i).firstColumn);
        EXPECT_GE(classTypes->size(), 3) << classes->at(i).name.toStdString();
    }
    EXPECT_TRUE(ClassIcons::pixmap(30).isNull());
    EXPECT_GE(types().size(), 120);
    EXPECT_EQ(catalogue.count(), 29 + types().size());
}

TEST_F(ShippedCatalogueTest, TypeNamesEndWithTheirFilePattern)
{
    const QRegularExpression pattern(R"(^[^.]+ \(\*(\.[a-z0-9]{2,5})\)$)");
    for (const ProfileEntry &type : types()) {
        const QString name = type.text.mid(6);
        const auto match = pattern.match(name);
        ASSERT_TRUE(match.hasMatch()) << name.toStdString();
        EXPECT_EQ(extensionOf(type.text), match.captured(1)) << name.toStdString();
    }
}

TEST_F(ShippedCatalogueTest, EveryTypeHasDefaultsInTheEncodersVocabulary)
{
    // The codec names the encoder command line maps to an encoder, without the AMR one
    // (not in the installed encoder) and the "any other value" pass-through.
    const QSet<QString> videoCodecs = {
        "xvid",    "x264",     "mpeg4", "wmv v9",    "wmv v8",    "mjpeg",      "h263",
        "h263p",   "mpeg1",    "mpeg2", "msmpeg4",   "msmpeg4v2", "wmv1",       "wmv2",
        "huffyuv", "ffv1",     "vp8",   "libtheora", "gif",       "mpeg1video", "mpeg2video",
        "flv",     "original", "n/a",   "x265",      "x265 hvc1", "vp9",        "av1"};
    const QSet<QString> audioCodecs = {
        "aac",     "mp3",       "wma 9.2", "wmav1",     "wmav2", "pcm", "faac",    "ac3",
        "ogg",     "libvorbis", "vorbis",  "pcm_s16be", "wma",   "mp2", "aac_low", "aac_main",
        "aac_ltp", "alac",      "flac",    "original",  "n/a",   "opus"};
    const QRegularExpression size(R"(^[1-9]\d*[02468]x[1-9]\d*[02468]$|^[2468]x[2468]$)");
    const QRegularExpression whole(R"(^[1-9]\d*$)");
    const QRegularExpression rate(R"(^[1-9]\d*(\.\d+)?$)");
    const QSet<QString> h263Sizes = {"128x96", "176x144", "352x288", "704x576", "1408x1152"};
    auto special = [](const QString &v) { return v == "Original" || v == "N/A"; };

    for (const ProfileEntry &type : types()) {
        const int id = ProfileCatalogue::typeIdOfKey(type.key);
        const std::string name = type.text.toStdString();
        QHash<QString, QStringList> values;
        for (const auto &row : ProfileOptions::databaseRows()) {
            const auto found = database.optionValues(row.table, id);
            ASSERT_TRUE(found && !found->isEmpty()) << name << " " << row.table.toStdString();
            values[row.table] = *found;
        }
        for (const QString &v : values["videocodec"])
            EXPECT_TRUE(videoCodecs.contains(v.toLower())) << name << " " << v.toStdString();
        for (const QString &v : values["audiocodec"])
            EXPECT_TRUE(audioCodecs.contains(v.toLower())) << name << " " << v.toStdString();
        for (const QString &v : values["videosize"])
            EXPECT_TRUE(special(v) || size.match(v).hasMatch()) << name << " " << v.toStdString();
        for (const QString &table : QStringList{"videobitrate", "audiobitrate", "samplerate"}) {
            for (const QString &v : values[table])
                EXPECT_TRUE(special(v) || whole.match(v).hasMatch())
                    << name << " " << v.toStdString();
        }
        for (const QString &v : values["framerate"])
            EXPECT_TRUE(special(v) || rate.match(v).hasMatch()) << name << " " << v.toStdString();

        const bool audioOnly = values["videocodec"].first() == "N/A";
        if (audioOnly) {
            // Nothing of the video may reach the encoder for an audio-only type.
            for (const QString &table :
                 QStringList{"videocodec", "videosize", "videobitrate", "framerate"})
                EXPECT_EQ(values[table], QStringList({"N/A"})) << name;
        }
        if (values["videocodec"].first().startsWith("h263")) {
            for (const QString &v : values["videosize"])
                EXPECT_TRUE(h263Sizes.contains(v)) << name << " " << v.toStdString();
        }
    }
}

TEST_F(ShippedCatalogueTest, NewerCodecTypesSayWhatTheyHoldInTheirClasses)
{
    // The family a type's name promises, and the default codecs that keep the promise.
    const QList<std::tuple<QString, QStringList, QStringList>> families = {
        {" HEVC ", {"x265", "x265 hvc1"}, {}},
        {" VP9 ", {"VP9"}, {}},
        {" AV1 ", {"AV1"}, {}},
        {"Opus ", {"N/A"}, {"Opus"}},
    };
    QHash<QString, QSet<QString>> classesOf;
    QString className;
    for (const ProfileEntry &entry : catalogue.entries()) {
        if (!entry.isType()) {
            className = entry.text;
            continue;
        }
        const QString name = entry.text.mid(6);
        const QString extension = name.section("(*", -1).chopped(1);
        for (const auto &[word, video, audio] : families) {
            if (!name.contains(word))
                continue;
            classesOf[word] << className;
            EXPECT_TRUE(video.contains(defaultOf(entry, "videocodec"))) << name.toStdString();
            EXPECT_TRUE(audio.isEmpty() || audio.contains(defaultOf(entry, "audiocodec")))
                << name.toStdString();
        }
        // Apple's players refuse HEVC marked the encoder's default way.
        if (QStringList({".mp4", ".mov", ".m4v"}).contains(extension)) {
            EXPECT_FALSE(values(entry, "videocodec").contains("x265")) << name.toStdString();
        }
    }
    EXPECT_EQ(classesOf[" HEVC "],
              QSet<QString>({"General Video", "HD Video", "QuickTime and Apple Formats", "iPhone",
                             "Android Phones", "iPad"}));
    EXPECT_EQ(classesOf[" AV1 "], QSet<QString>({"General Video", "HD Video", "Web Video"}));
    EXPECT_EQ(classesOf[" VP9 "], QSet<QString>({"HD Video", "Web Video", "Media Streamers"}));
    EXPECT_EQ(classesOf["Opus "], QSet<QString>({"Audio"}));
}

TEST_F(ShippedCatalogueTest, ChoicesTheContainerAndTheCodecCanTake)
{
    const QSet<QString> opusRates = {"48000", "24000", "16000", "12000", "8000"};
    for (const ProfileEntry &type : types()) {
        const std::string name = type.text.toStdString();
        // Opus refuses any other sample rate, and a sample rate is chosen apart from the
        // codec, so one offer of Opus limits the whole list.
        if (values(type, "audiocodec").contains("Opus")) {
            for (const QString &rate : values(type, "samplerate"))
                EXPECT_TRUE(opusRates.contains(rate)) << name << " " << rate.toStdString();
        }
        // These containers keep no pixel shape: a default size of another shape than
        // widescreen would squeeze the widescreen inputs of today.
        if (type.text.endsWith("(*.flv)") || type.text.endsWith("(*.swf)")) {
            const QString size = defaultOf(type, "videosize");
            const int width = size.section('x', 0, 0).toInt();
            const int height = size.section('x', 1, 1).toInt();
            EXPECT_TRUE(size == "Original" || qAbs(width * 9 - height * 16) <= width / 20)
                << name << " " << size.toStdString();
        }
        if (type.text.endsWith("(*.webm)")) {
            for (const QString &codec : values(type, "videocodec"))
                EXPECT_TRUE(QSet<QString>({"vp8", "VP9", "AV1"}).contains(codec)) << name;
            for (const QString &codec : values(type, "audiocodec"))
                EXPECT_TRUE(QSet<QString>({"ogg", "Opus"}).contains(codec)) << name;
        }
    }
}

TEST_F(ShippedCatalogueTest, NewerCodecsDefaultToClearlyLessThanH264OfTheSameSize)
{
    QHash<QString, QList<double>> h264;
    QList<std::pair<const ProfileEntry *, double>> newer;
    const QList<ProfileEntry> all = types();
    for (const ProfileEntry &type : all) {
        const QString codec = defaultOf(type, "videocodec");
        const QString size = defaultOf(type, "videosize");
        const double bitrate = defaultOf(type, "videobitrate").toDouble();
        if (codec == "x264")
            h264[size] << bitrate;
        else if (QStringList({"x265", "x265 hvc1", "VP9", "AV1"}).contains(codec))
            newer << std::pair{&type, bitrate};
    }
    int compared = 0;
    for (const auto &[type, bitrate] : newer) {
        QList<double> rates = h264.value(defaultOf(*type, "videosize"));
        if (rates.isEmpty())
            continue; // no H264 type of that size (2160p)
        std::sort(rates.begin(), rates.end());
        EXPECT_LE(bitrate, 0.7 * rates[rates.size() / 2]) << type->text.toStdString();
        ++compared;
    }
    EXPECT_GE(compared, 15);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/fakedesktop.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "convert/conversionrun.h"
#include "media/conversionlist.h"
#include "profiles/optionnames.h"
#include "profiles/optionset.h"
#include "profiles/profileoptions.h"
#include "profiles/profileselection.h"
#include "settings/settings.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct Converted
{
    QString status;
    QString why;
    QString output;
};

// Converts the first seconds of the clip with the defaults of the type at that position
// of the chooser, as the window does.
Converted convertWithDefaults(ProfileSelection &selection, OptionSet &options, int position,
                              const QString &clip, int seconds)
{
    selection.choose(position);
    const QString caption = selection.selectedCaption();
    ConversionList list;
    const int row = list.addItem(clip);
    list.setText(row, ConversionList::Start, "0:00:00");
    list.setText(row, ConversionList::End,
                 QStringLiteral("0:00:%1").arg(seconds, 2, 10, QChar('0')));
    ConversionRun run(&list, &options, [caption] { return caption; });
    Converted result;
    QObject::connect(&run, &ConversionRun::rowFinished,
                     [&](int, const QString &, const QString &path) { result.output = path; });
    QSignalSpy ended(&run, &ConversionRun::finished);
    run.start();
    // An HD type's encoder on a machine that builds beside it takes minutes, not seconds.
    if (!ended.wait(240000))
        return {"no end", caption, {}};
    result.status = list.text(row, ConversionList::Status);
    result.why = caption + ": " + list.toolTip(row);
    return result;
}

int positionOf(const ProfileSelection &selection, const QString &typeName)
{
    for (int i = 0; i < selection.count(); ++i) {
        if (selection.entries()[i].text.endsWith(".  " + typeName))
            return i + 1;
    }
    return 0;
}

// "codec,tag,encoder" of each stream, as the encoder's own probe reads the file.
QStringList streams(const QString &path)
{
    QProcess probe;
    probe.start(QStandardPaths::findExecutable("ffprobe"),
                {"-v", "error", "-show_entries",
                 "stream=codec_name,codec_tag_string:stream_tags=encoder", "-of", "csv=p=0", path});
    probe.waitForFinished(30000);
    return QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

class CatalogueConversion : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FakeDesktop::current().reset();
        Settings::write(Settings::OutputFolderKey, out.path());
        ProfileOptions::prolist(options);
        ASSERT_TRUE(selection.open());
    }
    QString makeClip(int seconds, const QString &size = QStringLiteral("320x240"))
    {
        const QString clip = media.filePath("clip.avi");
        MediaFixtures::Clip c;
        c.seconds = seconds;
        c.size = size;
        return MediaFixtures::make(clip, c) ? clip : QString();
    }

    ProgramFolder program;
    QTemporaryDir media, out;
    OptionSet options;
    ProfileSelection selection{&options};
};
} // namespace

// A fixed part of the shipped catalogue: every eleventh type and the first of each
// extension, so each container and codec family is met. bench/catalogue-sweep runs all.
TEST_F(CatalogueConversion, TypesConvertAClipWithTheirDefaults)
{
    const QString clip = makeClip(2);
    ASSERT_FALSE(clip.isEmpty());
    QList<int> chosen;
    QSet<QString> extensions;
    int types = 0;
    for (int i = 0; i < selection.count(); ++i) {
        const ProfileEntry &entry = selection.entries()[i];
        if (!entry.isType())
            continue;
        const QString extension = entry.text.section('(', -1);
        if (types++ % 11 == 0 || !extensions.contains(extension))
            chosen << i + 1;
        extensions << extension;
    }
    ASSERT_GT(chosen.size(), 10);

    for (int position : chosen) {
        const Converted c = convertWithDefaults(selection, options, position, clip, 2);
        EXPECT_EQ(c.status, "OK") << c.why.toStdString();
        // Reading back means finding the streams; some containers (SWF) keep no length,
        // and a picture format (GIF) no sound.
        const bool video = MediaFixtures::hasStream(c.output, "video");
        const bool audio = MediaFixtures::hasStream(c.output, "audio");
        const bool audioOnly = options.value(OptionNames::VideoOptions, OptionNames::VideoCodec) ==
                               OptionNames::NotAvailable;
        EXPECT_EQ(video, !audioOnly) << c.why.toStdString();
        EXPECT_TRUE(audio || !audioOnly) << c.why.toStdString();
    }
}

TEST_F(CatalogueConversion, NewerCodecFamiliesWriteTheCodecTheTypeNames)
{
    const QString clip = makeClip(1);
    ASSERT_FALSE(clip.isEmpty());
    const QList<std::pair<QString, QStringList>> expected = {
        {"MKV - HEVC Video (*.mkv)", {"hevc", "aac"}},
        {"MOV - Apple HEVC Video (*.mov)", {"hevc,hvc1", "aac"}},
        {"WebM - VP9 Video (*.webm)", {"vp9", "opus"}},
        {"MKV - AV1 Video (*.mkv)", {"av1", "opus"}},
        {"Opus - Opus Audio (*.opus)", {"opus"}},
    };
    for (const auto &[name, codecs] : expected) {
        const int position = positionOf(selection, name);
        ASSERT_GT(position, 0) << name.toStdString();
        const Converted c = convertWithDefaults(selection, options, position, clip, 1);
        ASSERT_EQ(c.status, "OK") << c.why.toStdString();
        const QStringList found = streams(c.output);
        ASSERT_EQ(found.size(), codecs.size())
            << c.why.toStdString() << found.join(' ').toStdString();
        for (int i = 0; i < codecs.size(); ++i)
            EXPECT_TRUE(found[i].startsWith(codecs[i] + ",")) << found[i].toStdString();
    }
}

// An encoder built without libopus still writes Opus, with its own experimental encoder.
TEST_F(CatalogueConversion, WithoutLibopusTheEncodersOwnOpusStandsIn)
{
    const QString clip = makeClip(1);
    ASSERT_FALSE(clip.isEmpty());
    const QString encoder = program.file("fp.dll");
    QFile::remove(encoder);
    QFile script(encoder);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\nreal='" + MediaFixtures::encoder().toUtf8() +
        "'\n"
        "if [ \"$2\" = -encoders ]; then \"$real\" \"$@\" | grep -v ' libopus '; exit 0; fi\n"
        "exec \"$real\" \"$@\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

    const Converted c = convertWithDefaults(
        selection, options, positionOf(selection, "Opus - Opus Audio (*.opus)"), clip, 1);
    ASSERT_EQ(c.status, "OK") << c.why.toStdString();
    const QStringList found = streams(c.output);
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(found[0].startsWith("opus,")) << found[0].toStdString();
    EXPECT_TRUE(found[0].endsWith(" opus")) << found[0].toStdString();
}

// A widescreen input keeps its shape with the types' defaults; a chosen aspect still rules.
TEST_F(CatalogueConversion, WidescreenStaysWidescreenUnlessAnAspectIsChosen)
{
    const QString clip = makeClip(2, "1280x720");
    ASSERT_FALSE(clip.isEmpty());
    const QList<std::pair<QString, QString>> types = {
        {"MP4 - H264 Video (*.mp4)", "1280x720, SAR 1:1, DAR 16:9"},
        {"HD MKV - H264 1080p Video (*.mkv)", "1920x1080, SAR 1:1, DAR 16:9"},
    };
    for (const auto &[name, shape] : types) {
        const int position = positionOf(selection, name);
        ASSERT_GT(position, 0) << name.toStdString();
        const Converted c = convertWithDefaults(selection, options, position, clip, 2);
        ASSERT_EQ(c.status, "OK") << c.why.toStdString();
        EXPECT_EQ(MediaFixtures::videoShape(c.output), shape) << name.toStdString();
    }
    // The default survives choosing a type; a forced aspect is what the user asked for.
    EXPECT_EQ(options.value(OptionNames::VideoOptions, OptionNames::AspectRatio), "Original");
    options.setValue(OptionNames::VideoOptions, OptionNames::AspectRatio, "4:3");
    const Converted forced = convertWithDefaults(
        selection, options, positionOf(selection, "MP4 - H264 Video (*.mp4)"), clip, 2);
    ASSERT_EQ(forced.status, "OK") << forced.why.toStdString();
    EXPECT_TRUE(MediaFixtures::videoShape(forced.output).endsWith("DAR 4:3"))
        << MediaFixtures::videoShape(forced.output).toStdString();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "testcatalogue.h"

#include "profiles/optionnames.h"
#include "profiles/optionset.h"
#include "profiles/optionsheetview.h"
#include "profiles/profileoptions.h"
#include "profiles/profileselection.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace OptionNames;

namespace {

class OptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestCatalogue::write(dir.filePath("ct.s3db"), TestCatalogue::twoClasses()));
        ASSERT_TRUE(profiles.open(dir.filePath("ct.s3db")));
        ProfileOptions::prolist(options);
    }
    QString video(const QString &caption) const { return options.value(VideoOptions, caption); }
    QString audio(const QString &caption) const { return options.value(AudioOptions, caption); }

    QTemporaryDir dir;
    OptionSet options;
    ProfileSelection profiles{&options};
};

TEST_F(OptionsTest, ProlistBuildsTheFourGroupsAndFifteenRows)
{
    QStringList shown;
    for (const QString &group : options.groups()) {
        for (const QString &row : options.rowCaptions(group))
            shown << QStringLiteral("%1/%2=%3%4 [%5]")
                         .arg(group, row, options.value(group, row),
                              options.isReadOnly(group, row) ? " ro" : "",
                              options.choices(group, row).join(','));
    }
    EXPECT_EQ(shown,
              QStringList({"General/Item Name=Auto ro []",
                           "Output Duration/All Clip Duration=00:00:00 ro []",
                           "Output Duration/Start Time=00:00:00 ro []",
                           "Output Duration/Stop Time=00:00:00 ro []",
                           "Video Options/Video Codec= []", "Video Options/Video Size= []",
                           "Video Options/Video Bitrate= []", "Video Options/Video Framerate= []",
                           "Video Options/Aspect Ratio=Original [Original,4:3,16:9]",
                           "Audio Options/Audio Codec= []", "Audio Options/Audio Bitrate= []",
                           "Audio Options/Sample Rate= []", "Audio Options/Audio Channel=2 [1,2]",
                           "Audio Options/Disable Audio=No [No,Yes]",
                           "Audio Options/A/V Sync=Basic [Basic,Default]"}));
}

TEST_F(OptionsTest, ChoosingATypeFillsItsChoicesAndDefaults)
{
    profiles.choose(2); // p011
    EXPECT_EQ(video(VideoCodec), "x264");
    EXPECT_EQ(options.choices(VideoOptions, VideoCodec), QStringList({"x264", "mpeg4"}));
    EXPECT_EQ(video(VideoBitrate), "1500");
    EXPECT_EQ(video(VideoFramerate), "29.97");
    EXPECT_EQ(video(VideoSize), "640x480");
    EXPECT_EQ(audio(AudioCodec), "aac");
    EXPECT_EQ(audio(AudioBitrate), "128");
    // No sample rate rows for this type.
    EXPECT_EQ(audio(SampleRate), NotAvailable);
    EXPECT_TRUE(options.choices(AudioOptions, SampleRate).isEmpty());
    EXPECT_EQ(profiles.selectedPosition(), 2);
}

TEST_F(OptionsTest, ClassEntryMovesToTheNextEntry)
{
    profiles.choose(4); // c002
    EXPECT_EQ(profiles.selectedPosition(), 5);
    EXPECT_EQ(profiles.selectedKey(), "p017");
    EXPECT_EQ(video(VideoCodec), "x264");
    EXPECT_EQ(video(VideoSize), NotAvailable);
}

TEST_F(OptionsTest, LastEntryAsClassAndNoSelectionFillForTypeZero)
{
    TestCatalogue::write(dir.filePath("last.s3db"),
                         TestCatalogue::twoClasses()
                             << "insert into bigclass values (3, 'Empty'), (4, 'Last')"
                             << "insert into videocodec values (4, 1, 'mjpeg')");
    ASSERT_TRUE(profiles.open(dir.filePath("last.s3db")));
    ASSERT_EQ(profiles.count(), 9);
    profiles.choose(2);
    profiles.choose(9); // the last entry, a class
    EXPECT_EQ(profiles.selectedPosition(), 9);
    EXPECT_EQ(video(VideoCodec), NotAvailable);

    // A class without types is followed by a class: its number is not a type id.
    profiles.choose(8);
    EXPECT_EQ(profiles.selectedPosition(), 9);
    EXPECT_EQ(video(VideoCodec), NotAvailable);

    profiles.choose(0);
    EXPECT_EQ(profiles.selectedPosition(), 0);
    EXPECT_EQ(profiles.selectedCaption(), "");
    EXPECT_EQ(audio(AudioCodec), NotAvailable);
}

TEST_F(OptionsTest, BuiltInRowsKeepTheUsersChoiceAndTypeRowsGoBackToDefaults)
{
    profiles.choose(2);
    options.setValue(AudioOptions, DisableAudio, "Yes");
    options.setValue(VideoOptions, AspectRatio, "16:9");
    options.setValue(VideoOptions, VideoBitrate, "800");
    options.setValue(OutputDuration, StartTime, "00:01:10");
    profiles.choose(2);
    EXPECT_EQ(video(VideoBitrate), "1500");
    profiles.choose(3);
    EXPECT_EQ(video(VideoCodec), "xvid");
    EXPECT_EQ(audio(SampleRate), "48000");
    EXPECT_EQ(audio(DisableAudio), "Yes");
    EXPECT_EQ(video(AspectRatio), "16:9");
    EXPECT_EQ(options.value(OutputDuration, StartTime), "00:01:10");
}

TEST_F(OptionsTest, ClosedDatabaseShowsNotAvailable)
{
    profiles.close();
    profiles.choose(2);
    for (const QString &caption : {VideoCodec, VideoSize, VideoBitrate, VideoFramerate})
        EXPECT_EQ(video(caption), NotAvailable) << caption.toStdString();
    EXPECT_EQ(audio(AudioBitrate), NotAvailable);
}

TEST_F(OptionsTest, SheetEditsListRowsThroughTheirChoicesOnly)
{
    profiles.choose(2);
    OptionSheetView sheet;
    sheet.setOptionSet(&options);
    sheet.resize(400, 500);
    sheet.show();
    EXPECT_EQ(sheet.objectName(), "PS1");

    const QModelIndex videoGroup = options.index(2, 0);
    EXPECT_TRUE(sheet.isExpanded(videoGroup));
    const QModelIndex start = options.index(1, 1, options.index(1, 0));
    ASSERT_EQ(start.data().toString(), "00:00:00");
    EXPECT_FALSE(options.setData(start, "00:00:05", Qt::EditRole));
    sheet.edit(start);
    EXPECT_EQ(sheet.viewport()->findChild<QComboBox *>(), nullptr);
    EXPECT_EQ(options.value(OutputDuration, StartTime), "00:00:00");

    const QModelIndex codec = options.index(0, 1, videoGroup);
    sheet.setCurrentIndex(codec);
    sheet.edit(codec);
    auto *editor = sheet.viewport()->findChild<QComboBox *>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->count(), 2);
    EXPECT_EQ(editor->currentText(), "x264");
    editor->setCurrentIndex(1);
    Q_EMIT editor->activated(1);
    EXPECT_EQ(video(VideoCodec), "mpeg4");
}

} // namespace

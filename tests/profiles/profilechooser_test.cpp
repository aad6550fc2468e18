// SPDX-License-Identifier: GPL-3.0-or-later
#include "testcatalogue.h"

#include "common/fakedesktop.h"
#include "common/programfolder.h"
#include "profiles/optionnames.h"
#include "profiles/optionset.h"
#include "profiles/profilechooser.h"
#include "profiles/profileoptions.h"
#include "settings/settings.h"

#include <QComboBox>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

using namespace OptionNames;

namespace {

class ChooserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FakeDesktop::current().reset();
        ProfileOptions::prolist(options);
    }
    void useTestCatalogue()
    {
        ASSERT_TRUE(TestCatalogue::write(folder.file("ct.s3db"), TestCatalogue::twoClasses()));
    }
    QString codec() const { return options.value(VideoOptions, VideoCodec); }

    ProgramFolder folder{false};
    OptionSet options;
    QComboBox ImageCombo1;
};

TEST_F(ChooserTest, FirstStartSelectsNothingAndFillsForTypeZero)
{
    useTestCatalogue();
    ProfileChooser chooser(&ImageCombo1, &options);
    chooser.start();
    ASSERT_EQ(ImageCombo1.count(), 7);
    EXPECT_EQ(ImageCombo1.currentIndex(), -1);
    EXPECT_EQ(chooser.selectedPosition(), 0);
    EXPECT_EQ(codec(), NotAvailable);
    EXPECT_EQ(ImageCombo1.itemData(3).toString(), "c002");
    EXPECT_EQ(ImageCombo1.itemText(4), "003.  Phone B (*.mp4)");
    EXPECT_FALSE(ImageCombo1.itemIcon(0).isNull());
    EXPECT_TRUE(ImageCombo1.itemIcon(1).isNull());
    EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());
}

TEST_F(ChooserTest, StoredPositionsAreSelectedAgain)
{
    useTestCatalogue();
    Settings::setProfile(3);
    {
        ProfileChooser chooser(&ImageCombo1, &options);
        chooser.start();
        EXPECT_EQ(chooser.selectedPosition(), 3);
        EXPECT_EQ(chooser.selectedCaption(), "002.  MKV - Video (*.mkv)");
        EXPECT_EQ(codec(), "xvid");
    }
    Settings::setProfile(4); // a class: the start moves on to its first type
    ProfileChooser chooser(&ImageCombo1, &options);
    chooser.start();
    EXPECT_EQ(chooser.selectedPosition(), 5);
    EXPECT_EQ(codec(), "x264");

    Settings::setProfile(12); // past the end
    chooser.start();
    EXPECT_EQ(chooser.selectedPosition(), 0);
}

// A catalogue that gained types before the chosen one moves its position; the type's key
// stored beside the position still finds it. Without a key, or with one the catalogue no
// longer has, the position decides as before.
TEST_F(ChooserTest, TheStoredTypeIsFoundByItsKeyWhereverItStandsNow)
{
    useTestCatalogue();
    Settings::setProfile(3, "p1234");
    ProfileChooser chooser(&ImageCombo1, &options);
    chooser.start();
    EXPECT_EQ(chooser.selectedCaption(), "005.  Phone C (*.avi)");
    EXPECT_EQ(chooser.selectedKey(), "p1234");
    Settings::setProfile(3, "p9999");
    chooser.start();
    EXPECT_EQ(chooser.selectedPosition(), 3);
}

TEST_F(ChooserTest, UserChoiceRefillsAndThePositionSurvivesARestart)
{
    useTestCatalogue();
    {
        ProfileChooser chooser(&ImageCombo1, &options);
        chooser.start();
        // The user opens the list and picks the first class entry.
        Q_EMIT ImageCombo1.activated(0);
        EXPECT_EQ(ImageCombo1.currentIndex(), 1);
        EXPECT_EQ(codec(), "x264");
        Q_EMIT ImageCombo1.activated(6);
        EXPECT_EQ(codec(), "xvid");
        Settings::setProfile(chooser.selectedPosition(), chooser.selectedKey());
        chooser.close();
        EXPECT_FALSE(chooser.selection().isOpen());
    }
    QComboBox again;
    ProfileChooser chooser(&again, &options);
    chooser.start();
    EXPECT_EQ(chooser.selectedPosition(), 7);
    EXPECT_EQ(chooser.selectedCaption(), "005.  Phone C (*.avi)");
}

TEST_F(ChooserTest, MissingOrUnreadableCatalogueIsToldOnce)
{
    ProfileChooser chooser(&ImageCombo1, &options);
    chooser.start();
    chooser.start();
    EXPECT_EQ(ImageCombo1.count(), 0);
    EXPECT_EQ(codec(), NotAvailable);
    EXPECT_EQ(options.value(AudioOptions, SampleRate), NotAvailable);
    EXPECT_EQ(options.value(VideoOptions, AspectRatio), "Original");
    const auto messages = FakeDesktop::current().callsOf("message");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].text.contains(folder.file("ct.s3db")));
    EXPECT_EQ(messages[0].icon, Desktop::Icon::Critical);

    FakeDesktop::current().reset();
    QFile broken(folder.file("ct.s3db"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a database, just text that is long enough to be read as a header....");
    broken.close();
    QComboBox other;
    ProfileChooser second(&other, &options);
    second.start();
    EXPECT_EQ(other.count(), 0);
    EXPECT_EQ(FakeDesktop::current().messages().size(), 1);
}

} // namespace

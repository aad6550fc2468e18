// SPDX-License-Identifier: GPL-3.0-or-later
#include "testcatalogue.h"

#include "profiles/profilecatalogue.h"
#include "profiles/profiledatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CatalogueTest : public ::testing::Test
{
protected:
    // The chooser entries of a catalogue made of the statements, as "key|text|picture".
    QStringList entriesOf(const QStringList &statements)
    {
        EXPECT_TRUE(TestCatalogue::write(file(), statements));
        EXPECT_TRUE(database.open(file())) << database.errorText().toStdString();
        ProfileCatalogue catalogue;
        EXPECT_TRUE(catalogue.load(database));
        QStringList shown;
        for (const ProfileEntry &e : catalogue.entries())
            shown << QStringLiteral("%1|%2|%3").arg(e.key, e.text).arg(e.picture);
        return shown;
    }
    QString file() const { return dir.filePath(QStringLiteral("ct.s3db")); }

    QTemporaryDir dir;
    ProfileDatabase database;
};

TEST_F(CatalogueTest, ClassesAndTypesInOrderNumberedThroughTheWholeList)
{
    EXPECT_EQ(entriesOf(TestCatalogue::twoClasses()),
              QStringList({"c001|General|1", "p011|001.  MP4 - Video (*.mp4)|0",
                           "p012|002.  MKV - Video (*.mkv)|0", "c002|Phones|2",
                           "p017|003.  Phone B (*.mp4)|0", "p021|004.  Phone A (*.3gp)|0",
                           "p1234|005.  Phone C (*.avi)|0"}));
}

TEST_F(CatalogueTest, KeysReadBackAsTypeIds)
{
    EXPECT_EQ(ProfileCatalogue::typeIdOfKey("p017"), 17);
    EXPECT_EQ(ProfileCatalogue::typeIdOfKey("p1234"), 1234);
    EXPECT_EQ(ProfileCatalogue::typeIdOfKey("p12345"), 1234); // characters 2 to 5 only
    EXPECT_EQ(ProfileCatalogue::typeIdOfKey("c001"), 1);
    EXPECT_EQ(ProfileCatalogue::typeIdOfKey(""), 0);
    EXPECT_EQ(ProfileCatalogue::threeDigits(7), "007");
    EXPECT_EQ(ProfileCatalogue::threeDigits(1000), "1000");
}

TEST_F(CatalogueTest, ClassesWithoutPictureOrTypesAndRepeatedKeys)
{
    const QStringList statements =
        TestCatalogue::schema() +
        QStringList{
            "insert into bigclass values (1, 'One'), (0, 'Zero'), (5, 'Empty'), (30, 'Thirty')",
            "insert into type values (1, 1, 'A (*.avi)'), (2, 0, 'B (*.mp4)'), (3, 30, 'C "
            "(*.mkv)')",
            // A second row with the key of type 1: not added, but it still takes its number.
            "insert into type values (1, 30, 'D (*.mov)'), (4, 30, 'E (*.wmv)')",
        };
    EXPECT_EQ(entriesOf(statements),
              QStringList({"p002|001.  B (*.mp4)|0", "c001|One|1", "p001|002.  A (*.avi)|0",
                           "c005|Empty|5", "p003|004.  C (*.mkv)|0", "p004|005.  E (*.wmv)|0"}));
}

TEST_F(CatalogueTest, OptionRowsComeInOrdersOrderAndFailuresAreTold)
{
    TestCatalogue::write(file(), TestCatalogue::twoClasses());
    ASSERT_TRUE(database.open(file()));
    EXPECT_EQ(database.optionValues("videocodec", 11), QStringList({"x264", "mpeg4"}));
    EXPECT_EQ(database.optionValues("samplerate", 11), QStringList());
    EXPECT_EQ(database.optionValues("nosuchtable", 11), std::nullopt);
    EXPECT_EQ(ProfileDatabase::optionQuery("framerate", 17),
              "select * from framerate where typeid=17 order by orders");
    EXPECT_EQ(ProfileDatabase::typesQuery(2), "select * from type where classid=2 order by id");
    EXPECT_EQ(ProfileDatabase::classesQuery(), "select * from bigclass order by id");
}

TEST_F(CatalogueTest, MissingOrBrokenFilesDoNotOpenAndAreNotCreated)
{
    EXPECT_FALSE(database.open(file()));
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_FALSE(database.errorText().isEmpty());

    QFile garbage(file());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    EXPECT_FALSE(database.open(file()));
    EXPECT_FALSE(database.isOpen());

    // A database without the catalogue's tables opens, but its classes cannot be read.
    TestCatalogue::write(file(), {"create table other (x integer)"});
    ASSERT_TRUE(database.open(file()));
    ProfileCatalogue catalogue;
    EXPECT_FALSE(catalogue.load(database));
    EXPECT_EQ(catalogue.count(), 0);
}

TEST_F(CatalogueTest, ConnectionIsReleasedAtClose)
{
    TestCatalogue::write(file(), TestCatalogue::twoClasses());
    ASSERT_TRUE(database.open(file()));
    database.close();
    EXPECT_FALSE(database.isOpen());
    EXPECT_EQ(database.optionValues("videocodec", 11), std::nullopt);
    // Two catalogues open side by side keep their own connections.
    ProfileDatabase other;
    ASSERT_TRUE(database.open(file()));
    ASSERT_TRUE(other.open(file()));
    other.close();
    EXPECT_EQ(database.optionValues("videocodec", 17), QStringList({"x264"}));
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/fakedesktop.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "convert/convertcommand.h"
#include "convert/listprofilescommand.h"
#include "profiles/optionset.h"
#include "profiles/profileselection.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {
struct Result
{
    int code;
    QString out;
    QString err;
};

Result convert(const QStringList &arguments)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = ConvertCommand().run(arguments, o, e);
    return {code, out, err};
}

// The 1-based chooser position of the first type whose caption ends so.
int position(const QString &ending)
{
    OptionSet options;
    ProfileSelection selection(&options);
    EXPECT_TRUE(selection.open());
    for (int i = 0; i < selection.count(); ++i) {
        if (selection.entries()[i].isType() && selection.entries()[i].text.endsWith(ending))
            return i + 1;
    }
    ADD_FAILURE() << "no type ending in " << ending.toStdString();
    return 0;
}

class ConvertCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FakeDesktop::current().reset();
        MediaFixtures::Clip c;
        c.seconds = 2;
        c.size = "160x120";
        ASSERT_TRUE(MediaFixtures::make(m_media.filePath("a.avi"), c));
        ASSERT_TRUE(MediaFixtures::make(m_media.filePath("-b c\t\\d.avi"), c));
    }
    QString media(const QString &name) const { return m_media.filePath(name); }

    ProgramFolder m_program;
    QTemporaryDir m_media;
    QTemporaryDir m_out;
};
} // namespace

TEST(ConvertCommandArguments, OptionsFilesAndMistakes)
{
    auto a = ConvertCommand::parse({"--profile", "12", "x.avi", "--output", "/o", "--", "-y.avi"});
    EXPECT_TRUE(a.error.isEmpty());
    EXPECT_EQ(a.profile, 12);
    EXPECT_EQ(a.outputFolder, "/o");
    EXPECT_EQ(a.files, QStringList({"x.avi", "-y.avi"}));
    a = ConvertCommand::parse({"--", "--profile", "--odd.avi"});
    EXPECT_EQ(a.files, QStringList({"--profile", "--odd.avi"}));
    EXPECT_EQ(a.profile, 0);
    for (const QStringList &wrong : {QStringList{},
                                     {"--profile"},
                                     {"--profile", "0", "a"},
                                     {"--profile", "two", "a"},
                                     {"--output"},
                                     {"--fast", "a"},
                                     {"-y.avi"},
                                     {"--profile", "3"}})
        EXPECT_FALSE(ConvertCommand::parse(wrong).error.isEmpty()) << wrong.join(' ').toStdString();
}

TEST_F(ConvertCommandTest, ListsEveryChooserEntry)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    ASSERT_EQ(ListProfilesCommand().run(o, e), 0);
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    OptionSet options;
    ProfileSelection selection(&options);
    ASSERT_TRUE(selection.open());
    ASSERT_EQ(lines.size(), selection.count());
    EXPECT_TRUE(lines[0].startsWith("1\tc001\t")) << lines[0].toStdString();
    const QRegularExpression type("^\\d+\\tp\\d{3,}\\t\\d{3,}\\.  .*\\(\\*\\.\\w+\\)$");
    EXPECT_TRUE(type.match(lines[1]).hasMatch()) << lines[1].toStdString();
}

TEST_F(ConvertCommandTest, ConvertsEachFileAndSaysSoLineByLine)
{
    const int mp4 = position("(*.mp4)");
    const Result r = convert({"--profile", QString::number(mp4), "--output", m_out.path(),
                              media("a.avi"), "--", media("-b c\t\\d.avi")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    // A tab or a backslash in a name is escaped, so the line keeps its four fields.
    EXPECT_EQ(r.out, QString("1\t50%\tOK\t%1/a.mp4\n2\t100%\tOK\t%1/-b c\\t\\\\d.mp4\n")
                         .arg(m_out.path()));
    EXPECT_NEAR(MediaFixtures::duration(m_out.filePath("-b c\t\\d.mp4")), 2.0, 0.2);
    // The first of the lines that tell the time left, before anything is known.
    EXPECT_TRUE(r.err.startsWith("Speed: estimating...  Time left: estimating...\n"))
        << r.err.toStdString();
    // The window's own things do not happen without one.
    EXPECT_EQ(FakeDesktop::current().messages(), QStringList({"Conversion completed!"}));
}

TEST_F(ConvertCommandTest, SettingsGiveProfileFolderAndExistingFileRule)
{
    const int mp3 = position("(*.mp3)");
    Settings::setProfile(mp3);
    Settings::write(Settings::OutputFolderKey, m_out.path());
    Result r = convert({media("a.avi")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "1\t100%\tOK\t" + m_out.filePath("a.mp3") + "\n");
    EXPECT_FALSE(MediaFixtures::hasStream(m_out.filePath("a.mp3"), "video"));
    r = convert({media("a.avi")});
    EXPECT_TRUE(r.out.endsWith("\t" + m_out.filePath("a_New.mp3") + "\n")) << r.out.toStdString();
    Settings::write(Settings::ExistedFileKey, "1");
    r = convert({media("a.avi")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.endsWith("\t" + m_out.filePath("a.mp3") + "\n")) << r.out.toStdString();
    // A relative output folder is the caller's, and is made when missing.
    QDir::setCurrent(m_out.path());
    r = convert({"--output", "sub/dir", media("a.avi")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(m_out.filePath("sub/dir/a.mp3")));
}

TEST_F(ConvertCommandTest, AFailedFileShowsTheEncodersWordsAndExitsOne)
{
    QFile corrupt(media("bad.avi"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(4000, '\x11'));
    corrupt.close();
    const Result r = convert({"--profile", QString::number(position("(*.mp4)")), "--output",
                              m_out.path(), corrupt.fileName(), media("a.avi")});
    EXPECT_EQ(r.code, 1);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("1\t50%\tFail\t")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("  "));
    EXPECT_TRUE(r.out.contains("Invalid data found")) << r.out.toStdString();
    EXPECT_TRUE(lines.last().startsWith("2\t100%\tOK\t"));
}

TEST_F(ConvertCommandTest, NothingConvertsWhenTheRequestCannotBeMet)
{
    const QString a = media("a.avi");
    EXPECT_EQ(convert({a}).code, 2); // no profile given, none stored
    EXPECT_EQ(convert({"--profile", "100000", a}).code, 2);
    EXPECT_EQ(convert({"--profile", "2", media("missing.avi")}).code, 2);
    const Result r = convert({"--profile", "2", "--output", m_out.path(), a, media("nothere.avi")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("nothere.avi"));
    EXPECT_TRUE(QDir(m_out.path()).isEmpty());
    ProgramFolder withoutCatalogue(false);
    EXPECT_EQ(convert({"--profile", "2", a}).code, 2);
}

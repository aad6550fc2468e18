// SPDX-License-Identifier: GPL-3.0-or-later
// The Debian package made from this build: what it installs, what it asks for, and
// that its menu entry and manual page keep up with the program.

#include "common/programfolder.h"
#include "media/queuecontroller.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>

namespace {
QString output(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000))
        return QString();
    if (exitCode)
        *exitCode = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// One package for all the tests of this file, made once and unpacked.
class PackageTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        int code = -1;
        const QString printed =
            output(QStringLiteral(KLEVAR_SOURCE_FOLDER) + "/tools/makedeb.sh",
                   {ProgramFolder::buildFolder(), s_dir->filePath("out")}, &code);
        s_deb = printed.trimmed().section('\n', -1);
        if (code == 0)
            output("dpkg-deb", {"-x", s_deb, s_dir->filePath("root")}, &code);
        s_made = code == 0;
    }
    static void TearDownTestSuite() { delete s_dir; }
    void SetUp() override { ASSERT_TRUE(s_made) << s_deb.toStdString(); }

    static QString unpacked(const QString &path) { return s_dir->filePath("root") + path; }
    static QString text(const QString &path)
    {
        QFile file(unpacked(path));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    static QString field(const QString &name) { return output("dpkg-deb", {"-f", s_deb, name}); }

    static inline QTemporaryDir *s_dir = nullptr;
    static inline QString s_deb;
    static inline bool s_made = false;
};

// The MIME types a menu entry opens.
QSet<QString> menuEntryTypes(const QString &entry)
{
    const QRegularExpression line("^MimeType=(.*)$", QRegularExpression::MultilineOption);
    const QStringList types = line.match(entry).captured(1).split(';', Qt::SkipEmptyParts);
    return QSet<QString>(types.begin(), types.end());
}

// The extensions of the open dialog's "All supported media files" entry.
QStringList dialogExtensions()
{
    const QString patterns = QueueController::openFilter().section('|', 1, 1);
    QStringList extensions;
    for (const QString &pattern : patterns.split(';'))
        extensions << pattern.mid(2);
    return extensions;
}
} // namespace

TEST_F(PackageTest, InstallsTheProgramItsFilesAndItsDocuments)
{
    EXPECT_TRUE(s_deb.endsWith("/out/klevar_4.50-1_" +
                               output("dpkg", {"--print-architecture"}).trimmed() + ".deb"));
    EXPECT_EQ(QFileInfo(unpacked("/usr/bin/klevar")).symLinkTarget(),
              unpacked("/usr/lib/klevar/klevar"));
    EXPECT_TRUE(QFileInfo(unpacked("/usr/lib/klevar/klevar")).isExecutable());
    // Every link of the program's folder leads into the package, but the two child
    // programs, which lead to the packages the program depends on.
    for (const char *name : {"ct.s3db", "help.chm", "plus.jpg", "loading.jpg", "skins"}) {
        const QFileInfo link(unpacked("/usr/lib/klevar/") + name);
        EXPECT_TRUE(link.isSymLink() && link.exists()) << name;
        EXPECT_EQ(link.canonicalFilePath(),
                  QFileInfo(unpacked("/usr/share/klevar/") + name).canonicalFilePath());
    }
    EXPECT_TRUE(QFile::exists(unpacked("/usr/share/klevar/skins/frmmain.skn")));
    EXPECT_EQ(QFile::symLinkTarget(unpacked("/usr/lib/klevar/fp.dll")),
              unpacked("/usr/bin/ffmpeg"));
    EXPECT_EQ(QFile::symLinkTarget(unpacked("/usr/lib/klevar/mp.dll")),
              unpacked("/usr/bin/mplayer"));
    // Nothing the program writes is shipped.
    EXPECT_FALSE(QFileInfo::exists(unpacked("/usr/lib/klevar/Cache")));
    EXPECT_FALSE(QFileInfo::exists(unpacked("/usr/lib/klevar/settings.dat")));

    for (const char *size : {"16", "22", "24", "32", "48", "64", "128", "256"}) {
        const QString icon = QString("/usr/share/icons/hicolor/%1x%1/apps/klevar.png").arg(size);
        QImage picture(unpacked(icon));
        EXPECT_EQ(picture.width(), QString(size).toInt()) << icon.toStdString();
    }
    EXPECT_TRUE(text("/usr/share/icons/hicolor/scalable/apps/klevar.svg").contains("<svg"));
    EXPECT_TRUE(QFile::exists(unpacked("/usr/share/doc/klevar/copyright")));
    EXPECT_TRUE(QFile::exists(unpacked("/usr/share/doc/klevar/changelog.Debian.gz")));
    EXPECT_TRUE(QFile::exists(unpacked("/usr/share/man/man1/klevar.1.gz")));
}

TEST_F(PackageTest, AsksForTheLibrariesAndProgramsItRuns)
{
    EXPECT_EQ(field("Package").trimmed(), "klevar");
    EXPECT_EQ(field("Version").trimmed(), "4.50-1");
    const QString depends = field("Depends");
    for (const char *needed :
         {"libqt6core6", "libqt6widgets6", "libqt6sql6 ", "libqt6sql6-sqlite", "ffmpeg", "mplayer"})
        EXPECT_TRUE(depends.contains(needed)) << needed << " in " << depends.toStdString();
    EXPECT_TRUE(field("Recommends").contains("xchm"));
    EXPECT_TRUE(field("Recommends").contains("yt-dlp"));
}

TEST_F(PackageTest, MenuEntryOpensEveryTypeTheAddFilesDialogOffers)
{
    const QString entry = text("/usr/share/applications/klevar.desktop");
    EXPECT_TRUE(entry.contains("\nExec=klevar %F\n"));
    EXPECT_TRUE(entry.contains("\nGenericName=Video Converter\n"));
    EXPECT_TRUE(entry.contains("\nCategories=AudioVideo;Video;\n"));
    const QSet<QString> listed = menuEntryTypes(entry);
    ASSERT_FALSE(listed.isEmpty());

    // Types the database gives an extension that do not name video or audio in it: Qt
    // Linguist's .ts, object code's and tracker music's .mod.
    const QSet<QString> notMedia = {"text/vnd.trolltech.linguist", "application/x-object",
                                    "audio/x-mod"};
    QMimeDatabase database;
    for (const QString &type : listed)
        EXPECT_TRUE(database.mimeTypeForName(type).isValid()) << type.toStdString();
    for (const QString &extension : dialogExtensions()) {
        QStringList media;
        for (const QMimeType &type : database.mimeTypesForFileName("x." + extension)) {
            if (!notMedia.contains(type.name()))
                media << type.name();
        }
        const bool covered =
            media.isEmpty() || std::any_of(media.begin(), media.end(),
                                           [&](const QString &t) { return listed.contains(t); });
        EXPECT_TRUE(covered) << extension.toStdString() << ": " << media.join(' ').toStdString();
    }
    // No type is offered that the dialog would not show.
    for (const QString &type : listed) {
        const QStringList patterns = database.mimeTypeForName(type).globPatterns();
        EXPECT_TRUE(std::any_of(patterns.begin(), patterns.end(), [](const QString &p) {
            return dialogExtensions().contains(p.mid(2));
        })) << type.toStdString();
    }
}

TEST_F(PackageTest, SoftwareCentreEntryIsValidAndKeepsUpWithTheMenuEntryAndTheChangelog)
{
    // The whole installed tree, so the entry's file name and its menu entry count too.
    int code = -1;
    const QString said =
        output("appstreamcli", {"validate-tree", "--no-net", s_dir->filePath("root")}, &code);
    EXPECT_EQ(code, 0) << said.toStdString();

    QSet<QString> types;
    QString launchable, licence, version, date;
    QXmlStreamReader xml(text("/usr/share/metainfo/org.klevar.klevar.metainfo.xml"));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"release" && version.isEmpty()) {
            version = xml.attributes().value("version").toString();
            date = xml.attributes().value("date").toString();
        } else if (xml.name() == u"mediatype") {
            types << xml.readElementText();
        } else if (xml.name() == u"launchable") {
            launchable = xml.readElementText();
        } else if (xml.name() == u"project_license") {
            licence = xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(QFile::exists(unpacked("/usr/share/applications/") + launchable));
    EXPECT_EQ(types, menuEntryTypes(text("/usr/share/applications/klevar.desktop")));
    EXPECT_EQ(licence, "GPL-3.0-or-later");
    // The newest release is the package's, on the day of its changelog entry.
    EXPECT_EQ(version + "-1", field("Version").trimmed());
    const QString changelog =
        output("gzip", {"-dc", unpacked("/usr/share/doc/klevar/changelog.Debian.gz")});
    const QString stamp = QRegularExpression("^ -- .*>  (.*)$", QRegularExpression::MultilineOption)
                              .match(changelog)
                              .captured(1);
    EXPECT_EQ(date, QDateTime::fromString(stamp, Qt::RFC2822Date).date().toString(Qt::ISODate));
}

TEST_F(PackageTest, ManualPageDescribesEveryModeTheProgramOffers)
{
    const QString page = output("gzip", {"-dc", unpacked("/usr/share/man/man1/klevar.1.gz")});
    ASSERT_TRUE(page.startsWith(".TH KLEVAR 1"));
    const QString help = output(ProgramFolder::buildFolder() + "/klevar", {"--help"});
    const QRegularExpression mode("^  (--[a-z-]+)", QRegularExpression::MultilineOption);
    int modes = 0;
    for (const QRegularExpressionMatch &m : mode.globalMatch(help)) {
        ++modes;
        const QString name = QString(m.captured(1)).replace("-", "\\-");
        EXPECT_TRUE(page.contains(".B " + name) || page.contains(".BR " + name) ||
                    page.contains(".BI " + name))
            << m.captured(1).toStdString();
    }
    EXPECT_GE(modes, 4) << help.toStdString();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/programfolder.h"
#include "common/programplaces.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {
// The user's environment for one test: HOME in a folder of the test's own, and the XDG
// variables as the test sets them; everything is put back afterwards.
class UserEnvironment
{
public:
    UserEnvironment()
    {
        for (const char *name : Names) {
            if (qEnvironmentVariableIsSet(name))
                m_saved[name] = qgetenv(name);
            qunsetenv(name);
        }
        qputenv("HOME", QFile::encodeName(m_home.path()));
    }
    ~UserEnvironment()
    {
        for (const char *name : Names) {
            const auto saved = m_saved.find(name);
            if (saved == m_saved.end())
                qunsetenv(name);
            else
                qputenv(name, saved->second);
        }
    }
    QString home(const QString &below = QString()) const
    {
        return below.isEmpty() ? m_home.path() : m_home.filePath(below);
    }
    // Points the variable at a folder below the home folder, made when asked for.
    QString set(const char *name, const QString &below, bool make = true)
    {
        if (make)
            QDir().mkpath(home(below));
        qputenv(name, QFile::encodeName(home(below)));
        return home(below);
    }

private:
    static constexpr const char *Names[] = {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                                            "XDG_RUNTIME_DIR", "XDG_DATA_HOME"};
    QTemporaryDir m_home;
    std::map<const char *, QByteArray> m_saved;
};

// A program folder as an installation leaves it: whole, but not to be written.
class ReadOnlyProgramFolder : public ProgramFolder
{
public:
    ReadOnlyProgramFolder() { QFile::setPermissions(path(), ReadOnly); }
    ~ReadOnlyProgramFolder() { QFile::setPermissions(path(), Writable); }
    QStringList entries() const
    {
        return QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    static constexpr QFile::Permissions ReadOnly = QFile::ReadOwner | QFile::ExeOwner |
                                                   QFile::ReadGroup | QFile::ExeGroup |
                                                   QFile::ReadOther | QFile::ExeOther;
    static constexpr QFile::Permissions Writable = ReadOnly | QFile::WriteOwner;
};

bool onlyForTheOwner(const QString &folder)
{
    return QFileInfo(folder).permissions() ==
           (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
            QFile::WriteUser | QFile::ExeUser);
}
} // namespace

TEST(ProgramPlaces, AWritableProgramFolderKeepsEverythingBesideTheProgram)
{
    UserEnvironment user;
    user.set("XDG_CONFIG_HOME", "config");
    user.set("XDG_CACHE_HOME", "cache");
    user.set("XDG_RUNTIME_DIR", "run");
    ProgramFolder folder;
    QDir(folder.path()).rmdir("Cache");

    EXPECT_TRUE(ProgramPlaces::besideProgram());
    EXPECT_EQ(ProgramPlaces::settingsFile(), folder.path() + "settings.dat");
    EXPECT_EQ(ProgramPlaces::statisticsFile(), folder.path() + "curconvert.log");
    EXPECT_EQ(ProgramPlaces::queueFile(), folder.path() + "queue.dat");
    EXPECT_EQ(ProgramPlaces::cacheFolder(), folder.path() + "Cache/");
    EXPECT_TRUE(QFileInfo(folder.path() + "Cache").isDir());
    EXPECT_EQ(ProgramPlaces::downloadFolder(), folder.path());
    EXPECT_EQ(ProgramPlaces::defaultOutputFolder(), folder.path().chopped(1));
    // Nothing of the user's places was touched.
    EXPECT_FALSE(QFileInfo::exists(user.home("config/klevar")));
    EXPECT_FALSE(QFileInfo::exists(user.home("cache/klevar")));
    EXPECT_FALSE(QFileInfo::exists(user.home("Videos")));
}

TEST(ProgramPlaces, AReadOnlyProgramFolderSendsEachFileToItsXdgPlace)
{
    UserEnvironment user;
    const QString config = user.set("XDG_CONFIG_HOME", "my config");
    const QString cache = user.set("XDG_CACHE_HOME", "my cache");
    const QString runtime = user.set("XDG_RUNTIME_DIR", "run/1000");
    const QString data = user.set("XDG_DATA_HOME", "my data");
    ReadOnlyProgramFolder folder;

    EXPECT_FALSE(ProgramPlaces::besideProgram());
    EXPECT_EQ(ProgramPlaces::settingsFile(), config + "/klevar/settings.dat");
    EXPECT_EQ(ProgramPlaces::statisticsFile(), runtime + "/klevar/curconvert.log");
    EXPECT_EQ(ProgramPlaces::queueFile(), data + "/klevar/queue.dat");
    EXPECT_EQ(ProgramPlaces::cacheFolder(), cache + "/klevar/");
    EXPECT_EQ(ProgramPlaces::downloadFolder(), user.home("Videos/"));
    EXPECT_EQ(ProgramPlaces::defaultOutputFolder(), user.home("Videos"));
    for (const QString &made :
         {config + "/klevar", cache + "/klevar", runtime + "/klevar", data + "/klevar"}) {
        EXPECT_TRUE(QFileInfo(made).isDir()) << made.toStdString();
        EXPECT_TRUE(onlyForTheOwner(made)) << made.toStdString();
    }
    EXPECT_TRUE(QFileInfo(user.home("Videos")).isDir());

    // The settings live in the user's file, and the program's folder stays as shipped.
    const QStringList shipped = folder.entries();
    ASSERT_TRUE(Settings::write(Settings::ThreadKey, "3"));
    ASSERT_TRUE(Settings::setProfile(5));
    EXPECT_EQ(Settings::threadCount(), 3);
    EXPECT_EQ(Settings::profile(), 5);
    EXPECT_TRUE(QFile::exists(config + "/klevar/settings.dat"));
    EXPECT_EQ(Settings::outputFolder(), user.home("Videos"));
    EXPECT_EQ(folder.entries(), shipped);
}

TEST(ProgramPlaces, WithoutTheVariablesTheHomeFolderHoldsThePlaces)
{
    UserEnvironment user;
    ReadOnlyProgramFolder folder;
    EXPECT_EQ(ProgramPlaces::settingsFile(), user.home(".config/klevar/settings.dat"));
    EXPECT_EQ(ProgramPlaces::cacheFolder(), user.home(".cache/klevar/"));
    EXPECT_EQ(ProgramPlaces::queueFile(), user.home(".local/share/klevar/queue.dat"));
    // No runtime folder: the statistics file goes to the cache.
    EXPECT_EQ(ProgramPlaces::statisticsFile(), user.home(".cache/klevar/curconvert.log"));
    EXPECT_EQ(ProgramPlaces::defaultOutputFolder(), user.home("Videos"));

    // Relative, empty and missing values are passed over.
    user.set("XDG_CONFIG_HOME", "ignored");
    qputenv("XDG_CONFIG_HOME", "relative/config");
    qputenv("XDG_CACHE_HOME", "");
    user.set("XDG_RUNTIME_DIR", "no such folder", false);
    EXPECT_EQ(ProgramPlaces::settingsFile(), user.home(".config/klevar/settings.dat"));
    EXPECT_EQ(ProgramPlaces::cacheFolder(), user.home(".cache/klevar/"));
    EXPECT_EQ(ProgramPlaces::statisticsFile(), user.home(".cache/klevar/curconvert.log"));
    EXPECT_FALSE(QFileInfo::exists(user.home("no such folder")));
}

TEST(ProgramPlaces, OnlyAFolderThisUserMayWriteOutsideUsrIsAPlaceToWrite)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("copy");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_TRUE(ProgramPlaces::isPlaceToWrite(folder));
    // The mode bits count even for the superuser, whom the system would let write.
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(ProgramPlaces::isPlaceToWrite(folder));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_FALSE(ProgramPlaces::isPlaceToWrite(dir.filePath("missing")));
    EXPECT_FALSE(ProgramPlaces::isPlaceToWrite("/usr/bin"));
    // A link into /usr is judged by where it leads.
    ASSERT_TRUE(QFile::link("/usr/lib", dir.filePath("lib")));
    EXPECT_FALSE(ProgramPlaces::isPlaceToWrite(dir.filePath("lib")));
}

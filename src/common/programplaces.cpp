// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/programplaces.h"

#include "common/appfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {
const QString ProgramName = QStringLiteral("klevar");
const QString SettingsName = QStringLiteral("settings.dat");
const QString QueueName = QStringLiteral("queue.dat");
const QString StatisticsName = QStringLiteral("curconvert.log");

bool inGroup(gid_t group)
{
    if (group == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[size_t(i)] == group)
            return true;
    }
    return false;
}

// The folder an XDG variable names, or the fallback below the home folder. Relative
// values are to be ignored: they would depend on the working folder.
QString xdgFolder(const char *variable, const QString &fallbackBelowHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(QDir::homePath() + QLatin1Char('/') + fallbackBelowHome);
}

// Makes the folder when it is missing. The user's own folders for configuration, cache
// and runtime files are made private, as the XDG base directories ask.
QString ensured(const QString &folder, bool onlyForTheUser)
{
    if (!QFileInfo(folder).isDir() && QDir().mkpath(folder) && onlyForTheUser)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder;
}

QString configFolder()
{
    return ensured(xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config")) + QLatin1Char('/') +
                       ProgramName,
                   true);
}

QString dataFolder()
{
    return ensured(xdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")) + QLatin1Char('/') +
                       ProgramName,
                   true);
}

QString userCacheFolder()
{
    return ensured(xdgFolder("XDG_CACHE_HOME", QStringLiteral(".cache")) + QLatin1Char('/') +
                       ProgramName,
                   true);
}

// $XDG_RUNTIME_DIR/klevar, or nothing when the session has no usable runtime folder.
QString runtimeFolder()
{
    const QString value = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (value.isEmpty() || !QDir::isAbsolutePath(value) || !QFileInfo(value).isDir())
        return QString();
    return ensured(QDir::cleanPath(value) + QLatin1Char('/') + ProgramName, true);
}

// The Videos folder of the user's user-dirs.dirs, else ~/Videos.
QString videosFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/Videos");
    return ensured(QDir::cleanPath(folder), false);
}

QString withoutSlash(QString folder)
{
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}
} // namespace

bool ProgramPlaces::isPlaceToWrite(const QString &folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty() || !info.isDir())
        return false;
    if (canonical == QLatin1String("/usr") || canonical.startsWith(QLatin1String("/usr/")))
        return false;
    const QByteArray native = QFile::encodeName(canonical);
    // access() sees read-only mounts and access lists; the mode bits see what the folder
    // was meant for, which access() does not tell the superuser.
    struct stat status;
    if (::access(native.constData(), W_OK | X_OK) != 0 || ::stat(native.constData(), &status) != 0)
        return false;
    if (status.st_uid == ::geteuid())
        return status.st_mode & S_IWUSR;
    if (inGroup(status.st_gid))
        return status.st_mode & S_IWGRP;
    return status.st_mode & S_IWOTH;
}

bool ProgramPlaces::besideProgram()
{
    // A folder that does not exist holds no shipped files to protect: the engine is being
    // run on made-up paths, and those are kept as given.
    const QString folder = AppFolder();
    return !QFileInfo::exists(folder) || isPlaceToWrite(folder);
}

QString ProgramPlaces::settingsFile()
{
    if (besideProgram())
        return AppFolder() + SettingsName;
    return configFolder() + QLatin1Char('/') + SettingsName;
}

QString ProgramPlaces::queueFile()
{
    if (besideProgram())
        return AppFolder() + QueueName;
    return dataFolder() + QLatin1Char('/') + QueueName;
}

QString ProgramPlaces::statisticsFile()
{
    if (besideProgram())
        return AppFolder() + StatisticsName;
    const QString runtime = runtimeFolder();
    return (runtime.isEmpty() ? userCacheFolder() : runtime) + QLatin1Char('/') + StatisticsName;
}

QString ProgramPlaces::cacheFolder()
{
    if (besideProgram())
        return ensured(AppFolder() + QStringLiteral("Cache"), false) + QLatin1Char('/');
    return userCacheFolder() + QLatin1Char('/');
}

QString ProgramPlaces::downloadFolder()
{
    if (besideProgram())
        return AppFolder();
    return videosFolder() + QLatin1Char('/');
}

QString ProgramPlaces::defaultOutputFolder()
{
    if (besideProgram())
        return withoutSlash(AppFolder());
    return videosFolder();
}

#include "common/programplaces.h"

#include "common/appfolder.h"

QString ProgramPlaces::settingsFile()
{
    return AppFolder() + QStringLiteral("settings.dat");
}

QString ProgramPlaces::statisticsFile()
{
    return AppFolder() + QStringLiteral("curconvert.log");
}

QString ProgramPlaces::cacheFolder()
{
    return AppFolder() + QStringLiteral("Cache/");
}

QString ProgramPlaces::downloadFolder()
{
    return AppFolder();
}

QString ProgramPlaces::defaultOutputFolder()
{
    QString folder = AppFolder();
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include "common/numerictext.h"
#include "common/programplaces.h"
#include "settings/inifile.h"

#include <cmath>

QString Settings::file()
{
    return ProgramPlaces::settingsFile();
}

QString Settings::read(const QString &key)
{
    return IniFile::read(file(), Section, key);
}

bool Settings::write(const QString &key, const QString &value)
{
    return IniFile::write(file(), Section, key, value);
}

QString Settings::programFolder()
{
    return ProgramPlaces::defaultOutputFolder();
}

QString Settings::outputFolder()
{
    const QString stored = read(OutputFolderKey);
    bool isNumber = false;
    const double number = stored.toDouble(&isNumber);
    if (stored.isEmpty() || (isNumber && number == 0))
        return programFolder();
    return stored;
}

bool Settings::keepExistingFile()
{
    return NumericText::value(read(ExistedFileKey)) == 0;
}

bool Settings::autoShutdown()
{
    return NumericText::value(read(AutoShutKey)) == 1;
}

bool Settings::restoreQueue()
{
    const QString stored = read(RestoreQueueKey);
    return stored.isEmpty() || NumericText::value(stored) != 0;
}

double Settings::threadCount()
{
    return NumericText::value(read(ThreadKey));
}

int Settings::profile()
{
    const double value = NumericText::value(IniFile::read(file(), ProfileSection, ProfileKey));
    return value >= 1 && value <= 1e9 ? int(std::floor(value)) : 0;
}

QString Settings::profileType()
{
    return IniFile::read(file(), ProfileSection, ProfileTypeKey);
}

bool Settings::setProfile(int position, const QString &typeKey)
{
    return IniFile::write(file(), ProfileSection, ProfileKey, QString::number(position)) &&
           (typeKey.isEmpty() || IniFile::write(file(), ProfileSection, ProfileTypeKey, typeKey));
}

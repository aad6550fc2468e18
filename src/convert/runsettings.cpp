// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/runsettings.h"

#include "settings/settings.h"

RunSettings RunSettings::read()
{
    RunSettings settings;
    settings.outputFolder = Settings::outputFolder();
    settings.keepExistingFile = Settings::keepExistingFile();
    settings.threadCount = Settings::threadCount();
    return settings;
}

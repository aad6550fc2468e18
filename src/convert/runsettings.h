// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The settings a conversion run reads once when it starts and hands to every row's
// command line; a change in the settings dialog holds from the next run on.
struct RunSettings
{
    QString outputFolder;
    bool keepExistingFile = true; // false: an existing output file is overwritten
    double threadCount = 0;

    static RunSettings read();
};

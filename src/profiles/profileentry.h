// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One entry of the profile chooser: a class (key "c001") or one of its types (key "p017").
struct ProfileEntry
{
    QString key;
    QString text;
    int picture = 0; // number in the class pictures; 0 for a type entry

    bool isType() const { return key.startsWith(QLatin1Char('p')); }
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/profileentry.h"

#include <QList>
#include <QString>

class OptionSet;
class ProfileDatabase;

// Builds the rows of the options sheet and refills its database-fed rows for a chosen
// profile. Works on an option set and a list of chooser entries, so the main window and
// the command-line mode share it.
class ProfileOptions
{
public:
    struct DatabaseRow
    {
        const QString &group;
        const QString &caption;
        QString table;
    };
    // The seven rows fed from the catalogue, in the order they are refilled.
    static QList<DatabaseRow> databaseRows();

    // prolist: the four groups and fifteen rows with their kinds, initial values and
    // built-in choices; the database-fed rows start empty.
    static void prolist(OptionSet &options);

    // The profile chooser's selection handler. selected is the 0-based index of the
    // selected entry, -1 for none. A class entry moves the selection to the entry after
    // it; the result is the selection afterwards.
    static int LoadProfileOptions(ProfileDatabase &database, const QList<ProfileEntry> &entries,
                                  int selected, OptionSet &options);

    // Sets every database-fed row to the type's choices, its first choice as the value;
    // "N/A" without choices where the type has none or the query fails.
    static void fillForType(ProfileDatabase &database, int typeId, OptionSet &options);
};

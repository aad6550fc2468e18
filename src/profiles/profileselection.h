// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/profilecatalogue.h"
#include "profiles/profiledatabase.h"

#include <QString>

class OptionSet;

// The profile catalogue with one selected entry, feeding an option set: what the profile
// chooser shows, without any widget. The main window's chooser mirrors it; the
// command-line mode uses it directly.
class ProfileSelection
{
public:
    explicit ProfileSelection(OptionSet *options);

    // Opens ct.s3db (the program's folder unless another file is given) and reads the
    // catalogue. false when the file is missing or unreadable: the catalogue is then
    // empty, and databaseFile() names the file that was looked for.
    bool open(const QString &file = ProfileDatabase::defaultFile());
    // Releases the database; the entries stay as they were read.
    void close();
    QString databaseFile() const { return m_database.fileName(); }
    bool isOpen() const { return m_database.isOpen(); }

    const QList<ProfileEntry> &entries() const { return m_catalogue.entries(); }
    int count() const { return m_catalogue.count(); }

    // The position chosen at the last close: where the stored type's key stands now, or
    // the stored position when the key is missing or no longer in the catalogue.
    int storedPosition() const;

    // Selects the entry at a 1-based position without touching the options; 0 or a
    // position past the end selects nothing.
    void select(int position);
    // 1-based; 0 when nothing is selected.
    int selectedPosition() const { return m_selected + 1; }
    // The selected entry's text ("017.  MP4 - H264 Video (*.mp4)"); empty for none.
    QString selectedCaption() const;
    QString selectedKey() const;

    // Refills the options for the selected entry as a choice in the chooser does; a
    // class entry moves the selection to the entry after it.
    void LoadProfileOptions();
    // select() and LoadProfileOptions(): the command-line mode's way to pick a profile.
    void choose(int position);

    ProfileDatabase &database() { return m_database; }

private:
    OptionSet *m_options;
    ProfileDatabase m_database;
    ProfileCatalogue m_catalogue;
    int m_selected = -1;
};

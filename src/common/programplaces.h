// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program writes what it writes. Every such path is built here and nowhere
// else. While the program's folder is a place to write (the build folder, a copy in the
// user's home) everything stays beside the program, as it always has. An installed copy
// keeps its shipped files where they are and puts each writable file in the user's own
// place for it, after the XDG base directories.
//
// Every folder handed out exists when the call returns, so a caller can write at once.
class ProgramPlaces
{
public:
    // The settings file, "settings.dat".
    static QString settingsFile();
    // The queue kept between runs, "queue.dat"; else in $XDG_DATA_HOME/klevar/.
    static QString queueFile();
    // The encoder's statistics file, "curconvert.log".
    static QString statisticsFile();
    // The downloader's thumbnail cache, ending in "/".
    static QString cacheFolder();
    // Where downloads land, ending in "/".
    static QString downloadFolder();
    // The output folder when the settings name none, without a trailing "/".
    static QString defaultOutputFolder();

    // Whether writable files stay beside the program: its folder is a place to write, or
    // does not exist at all.
    static bool besideProgram();
    // A folder is a place to write when its permissions let this user write there. Write
    // permission is read from the folder's mode bits as well, because the superuser may
    // write anywhere and must not litter another user's copy; a folder under /usr never
    // is one (the package manager owns it, and the filesystem layout keeps it read-only).
    static bool isPlaceToWrite(const QString &folder);
};

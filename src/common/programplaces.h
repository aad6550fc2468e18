#pragma once

#include <QString>

// Where the program writes what it writes. Every such path is built here and nowhere
// else: beside the program while its folder is writable, as the program has always kept
// them.
class ProgramPlaces
{
public:
    // The settings file, "settings.dat".
    static QString settingsFile();
    // The encoder's statistics file, "curconvert.log".
    static QString statisticsFile();
    // The downloader's thumbnail cache, ending in "/".
    static QString cacheFolder();
    // Where downloads land, ending in "/".
    static QString downloadFolder();
    // The output folder when the settings name none, without a trailing "/".
    static QString defaultOutputFolder();
};

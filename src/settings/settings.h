// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The settings of settings.dat in the program's folder, each read from the file at
// the moment it is needed (nothing is cached, so a change in the settings dialog holds
// for the next conversion) and interpreted by one rule wherever it is used.
class Settings
{
public:
    // Section and keys as stored. The main window writes "profile" under "Set"; section
    // names match without regard to case.
    static inline const QString Section = QStringLiteral("set");
    static inline const QString ProfileSection = QStringLiteral("Set");
    static inline const QString ProfileKey = QStringLiteral("profile");
    static inline const QString OutputFolderKey = QStringLiteral("outputfolder");
    static inline const QString ExistedFileKey = QStringLiteral("existedfile");
    static inline const QString AutoShutKey = QStringLiteral("autoshut");
    static inline const QString ThreadKey = QStringLiteral("thread");
    // The key of the type chosen at the last close ("p006"), beside its position: a
    // catalogue that gained types before it moves the position, never the key.
    static inline const QString ProfileTypeKey = QStringLiteral("profiletype");
    // The main window's place and size at its last close (WindowPlace's text).
    static inline const QString MainWindowKey = QStringLiteral("mainwindow");
    // "0": the queue of the last run is not brought back at start; anything else, or
    // nothing stored, brings it back.
    static inline const QString RestoreQueueKey = QStringLiteral("restorequeue");
    // The yt-dlp program the downloader reads today's pages with; empty: the one on PATH.
    static inline const QString YtDlpKey = QStringLiteral("ytdlp");

    static QString file();
    static QString read(const QString &key);
    static bool write(const QString &key, const QString &value);

    // The stored folder, or the program's folder (without its trailing "/") when none is
    // stored or it is a number equal to 0.
    static QString outputFolder();
    static QString programFolder();
    // true: keep an existing output file and give the new one another name.
    static bool keepExistingFile();
    static bool autoShutdown();
    static bool restoreQueue();
    // The number the "thread" text begins with; 0 for none.
    static double threadCount();
    // The 1-based chooser position stored at the last close; 0 for none.
    static int profile();
    // The type's key stored with it; empty for none.
    static QString profileType();
    static bool setProfile(int position, const QString &typeKey = QString());
};

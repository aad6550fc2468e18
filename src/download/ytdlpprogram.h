// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The yt-dlp program that reads the pages the old markers cannot: the one settings.dat
// names, or the one on PATH. Users keep it current themselves, so it is looked for each
// time it is needed.
class YtDlpProgram
{
public:
    // The program to run, or empty when there is none.
    static QString path();
    // The status line's text when a page needs yt-dlp and there is none.
    static QString missingText();
    // What every run starts with, so that the user's own configuration cannot change what
    // Klevar gets back, and one address is one video.
    static QStringList commonArguments();
    // yt-dlp's own reason among its last lines ("ERROR: [generic] Unsupported URL: ..."),
    // without the "ERROR:"; empty when it gave none.
    static QString errorIn(const QStringList &lines);
};

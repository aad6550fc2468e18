// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;
struct VideoDetails;
struct YtDlpVideo;

// "klevar --watch-info URL": reads a watch page as "Get Direct Link" does and prints
// what it found, one "name<TAB>value" line per detail, then one
// "stream<TAB>QUALITY<TAB>address" line per quality the page offers. A page without the
// old stream map is read by yt-dlp, as the window does.
class WatchInfoCommand
{
public:
    // Tabs, line breaks and backslashes as "\t", "\n" and "\\": one value, one line.
    static QString escaped(const QString &value);
    // Fetches the page, waiting here; nothing when it could not be loaded (the reason
    // then goes to err).
    static std::optional<QString> fetchPage(const QString &address, QTextStream &err);
    // What yt-dlp says of a page without the old stream map, waiting here. Nothing, with
    // the reason in err, when it failed (failed is then set) or when there is no yt-dlp
    // (then the page is read as an old one, and failed stays false).
    static std::optional<YtDlpVideo> describe(const QString &address, QTextStream &err,
                                              bool &failed);

    // The arguments after "--watch-info". 0: the page was read; 1: it could not be
    // loaded or yt-dlp could not read it; 2: bad arguments.
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

private:
    static void printDetails(const VideoDetails &details, QTextStream &out);
    static void printOldStreams(const QString &page, QTextStream &out, QTextStream &err);
    static void printYtDlpStreams(const YtDlpVideo &video, QTextStream &out);
};

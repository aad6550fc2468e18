// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/videodetails.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <utility>

// One format of a video as yt-dlp lists it.
struct YtDlpFormat
{
    QString id;           // what "-f" takes to name it
    QUrl url;             // http or https; empty for anything else
    QString ext;          // the container's extension, letters and digits only
    QString protocol;     // "https", "http", "m3u8_native", "http_dash_segments", ...
    int height = 0;       // 0: unknown
    bool hasVideo = true; // yt-dlp's "none" is the only certain no
    bool hasAudio = true;
    double bitrate = 0;                               // kbit/s, 0: unknown
    qint64 size = -1;                                 // bytes, exact or approximate; -1: unknown
    QList<std::pair<QByteArray, QByteArray>> headers; // to send with each request

    // One file fetched by a single GET: Klevar's own engine can download it.
    bool isPlainFile() const
    {
        return (protocol == QLatin1String("https") || protocol == QLatin1String("http")) &&
               ext != QLatin1String("m3u8") && ext != QLatin1String("mpd");
    }
};

// What yt-dlp's JSON description of a page says: the details in the window's words and
// the formats, in yt-dlp's order (worst first).
struct YtDlpVideo
{
    VideoDetails details;
    QUrl pageUrl;
    QList<YtDlpFormat> formats;
};

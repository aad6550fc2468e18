// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/formatchoice.h"
#include "download/streamquality.h"
#include "download/ytdlpvideo.h"

#include <QHash>
#include <QString>
#include <QUrl>

class DownloadTask;
class StreamDownload;
class YtDlpDownload;

// The quality buttons of a page that yt-dlp read: which format each one fetches, under
// which name, and by whom.
class YtDlpStreams
{
public:
    // The bytes kept free in a name that yt-dlp writes under: its hidden prefix, the
    // format's id and its own endings for the pieces.
    static constexpr int YtDlpReserve = 96;

    YtDlpStreams() = default;
    explicit YtDlpStreams(const YtDlpVideo &video);

    bool isEmpty() const { return m_choices.isEmpty(); }
    const FormatChoice *choice(StreamQuality quality) const;
    QUrl page() const { return m_page; }

    // The button's suffix ("_Full_HD") and the real container's extension.
    QString fileName(StreamQuality quality) const;
    // Starts the download into folder: a plain file through Klevar's own engine with the
    // stream's headers, anything else through yt-dlp. The task that runs, or nullptr when
    // the quality has no format or that task is busy.
    DownloadTask *startDownload(StreamQuality quality, const QString &folder,
                                StreamDownload &engine, YtDlpDownload &ytdlp) const;

private:
    QHash<StreamQuality, FormatChoice> m_choices;
    VideoDetails m_details;
    QUrl m_page;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/streamquality.h"
#include "download/ytdlpvideo.h"

#include <QList>
#include <QString>

#include <optional>

// Which of yt-dlp's formats a quality button stands for. Each format with a picture
// belongs to the button whose old height is nearest its own (a format of unknown height
// to "Get MP4", when no known one does); within a button the height nearest the old one
// wins, a single file with sound and picture before a picture that needs its sound from
// elsewhere, then the higher bitrate, then yt-dlp's own order.
class FormatChoice
{
public:
    YtDlpFormat video;
    std::optional<YtDlpFormat> audio; // the sound, when the picture comes without

    static std::optional<FormatChoice> choose(const QList<YtDlpFormat> &formats,
                                              StreamQuality quality);

    // What "-f" names: "id" or "video+audio".
    QString selector() const;
    // The container the file ends up in.
    QString extension() const;
    // One file fetched by one GET, for Klevar's own engine; otherwise yt-dlp assembles it.
    bool isPlainFile() const { return !audio && video.isPlainFile(); }
};

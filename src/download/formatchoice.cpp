// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/formatchoice.h"

#include <cstdlib>

namespace {
StreamQuality nearestQuality(int height)
{
    StreamQuality nearest = StreamQuality::Mp4;
    int distance = -1;
    for (const StreamQualityInfo &info : StreamQualities::all()) {
        const int d = std::abs(info.height - height);
        if (distance < 0 || d < distance) {
            distance = d;
            nearest = info.quality;
        }
    }
    return nearest;
}

// Whether a is a better pick than b for a picture of the given height.
bool better(const YtDlpFormat &a, const YtDlpFormat &b, int height)
{
    const int da = std::abs(a.height - height);
    const int db = std::abs(b.height - height);
    if (da != db)
        return da < db;
    return a.bitrate > b.bitrate;
}

// The best of the formats that pass, later ones winning ties (yt-dlp lists worst first).
template <typename Pass>
const YtDlpFormat *best(const QList<YtDlpFormat> &formats, int height, Pass pass)
{
    const YtDlpFormat *found = nullptr;
    for (const YtDlpFormat &f : formats) {
        if (pass(f) && (!found || !better(*found, f, height)))
            found = &f;
    }
    return found;
}
} // namespace

std::optional<FormatChoice> FormatChoice::choose(const QList<YtDlpFormat> &formats,
                                                 StreamQuality quality)
{
    const int height = StreamQualities::info(quality).height;
    const bool anyKnownMp4 = best(formats, height, [](const YtDlpFormat &f) {
        return f.hasVideo && f.height > 0 && nearestQuality(f.height) == StreamQuality::Mp4;
    });
    auto belongs = [&](const YtDlpFormat &f) {
        if (!f.hasVideo)
            return false;
        if (f.height > 0)
            return nearestQuality(f.height) == quality;
        return quality == StreamQuality::Mp4 && !anyKnownMp4;
    };
    FormatChoice choice;
    if (const YtDlpFormat *whole =
            best(formats, height, [&](const YtDlpFormat &f) { return belongs(f) && f.hasAudio; })) {
        choice.video = *whole;
        return choice;
    }
    const YtDlpFormat *picture = best(formats, height, belongs);
    if (!picture)
        return std::nullopt;
    choice.video = *picture;
    // The sound with the highest bitrate: its height is 0 for all.
    if (const YtDlpFormat *sound =
            best(formats, 0, [](const YtDlpFormat &f) { return f.hasAudio && !f.hasVideo; }))
        choice.audio = *sound;
    return choice;
}

QString FormatChoice::selector() const
{
    return audio ? video.id + QLatin1Char('+') + audio->id : video.id;
}

QString FormatChoice::extension() const
{
    if (!audio)
        return video.ext;
    const QString v = video.ext;
    const QString a = audio->ext;
    if (v == QLatin1String("mp4") && (a == QLatin1String("m4a") || a == QLatin1String("mp4")))
        return QStringLiteral("mp4");
    if (v == QLatin1String("webm") && a == QLatin1String("webm"))
        return QStringLiteral("webm");
    return QStringLiteral("mkv");
}

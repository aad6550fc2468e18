// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/ytdlpstreams.h"

#include "download/safefilename.h"
#include "download/streamdownload.h"
#include "download/ytdlpdownload.h"

YtDlpStreams::YtDlpStreams(const YtDlpVideo &video)
    : m_details(video.details), m_page(video.pageUrl)
{
    for (const StreamQualityInfo &info : StreamQualities::all()) {
        if (const std::optional<FormatChoice> choice =
                FormatChoice::choose(video.formats, info.quality))
            m_choices.insert(info.quality, *choice);
    }
}

const FormatChoice *YtDlpStreams::choice(StreamQuality quality) const
{
    const auto it = m_choices.constFind(quality);
    return it == m_choices.constEnd() ? nullptr : &*it;
}

QString YtDlpStreams::fileName(StreamQuality quality) const
{
    const FormatChoice *format = choice(quality);
    if (!format)
        return QString();
    const QString suffix = QString::fromLatin1(StreamQualities::info(quality).stem) +
                           QLatin1Char('.') + format->extension();
    return SafeFileName::make(m_details.VideoTitle, suffix, m_details.VideoId,
                              format->isPlainFile() ? SafeFileName::PartSuffixBytes : YtDlpReserve);
}

DownloadTask *YtDlpStreams::startDownload(StreamQuality quality, const QString &folder,
                                          StreamDownload &engine, YtDlpDownload &ytdlp) const
{
    const FormatChoice *format = choice(quality);
    if (!format)
        return nullptr;
    if (format->isPlainFile())
        return engine.DownloadStream(format->video.url, folder, fileName(quality),
                                     format->video.headers)
                   ? &engine
                   : nullptr;
    return ytdlp.start(m_page, *format, folder, fileName(quality)) ? &ytdlp : nullptr;
}

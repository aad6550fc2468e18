// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/streamquality.h"

const QList<StreamQualityInfo> &StreamQualities::all()
{
    // The lower format 34 ("HD Low") is named "_Full_HD" and 35 ("HD High") "_HD": the
    // names users' earlier downloads carry.
    static const QList<StreamQualityInfo> qualities = {
        {StreamQuality::Mp4, 22, "getMp4", "Get MP4", ".mp4", "mp4", false, 720, ""},
        {StreamQuality::HdLow, 34, "getHDH", "Get HD Low", "_Full_HD.flv", "hd-low", true, 360,
         "_Full_HD"},
        {StreamQuality::HdHigh, 35, "getHDL", "Get HD High", "_HD.flv", "hd-high", true, 480,
         "_HD"},
        {StreamQuality::Flv, 5, "getFlv", "Get FLV", ".flv", "flv", true, 240, ""},
    };
    return qualities;
}

const StreamQualityInfo &StreamQualities::info(StreamQuality quality)
{
    return all()[int(quality)];
}

const StreamQualityInfo *StreamQualities::byFormat(int format)
{
    for (const StreamQualityInfo &info : all()) {
        if (info.format == format)
            return &info;
    }
    return nullptr;
}

const StreamQualityInfo *StreamQualities::byName(const QString &name)
{
    for (const StreamQualityInfo &info : all()) {
        if (name == QLatin1String(info.name))
            return &info;
    }
    return nullptr;
}

QByteArray &StreamAddresses::at(StreamQuality quality)
{
    switch (quality) {
    case StreamQuality::Mp4:
        return Mp4Url;
    case StreamQuality::HdLow:
        return HdLowUrl;
    case StreamQuality::HdHigh:
        return HdHighUrl;
    case StreamQuality::Flv:
        break;
    }
    return FlvUrl;
}

const QByteArray &StreamAddresses::at(StreamQuality quality) const
{
    return const_cast<StreamAddresses *>(this)->at(quality);
}

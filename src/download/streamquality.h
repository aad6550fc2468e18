// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The four stream qualities the downloader knows, by their format number in the page's
// stream map.
enum class StreamQuality { Mp4, HdLow, HdHigh, Flv };

struct StreamQualityInfo
{
    StreamQuality quality;
    int format;          // the number in the stream map
    const char *button;  // the button's objectName
    const char *caption; // the button's text
    const char *suffix;  // appended to the title to name the downloaded file
    const char *name;    // on the command line
    bool asksFirst;      // Download or Play?
    int height;          // the picture's height of the old format, in lines
    const char *stem;    // the suffix without its extension, for a file of another type
};

class StreamQualities
{
public:
    // In the order of the window's buttons.
    static const QList<StreamQualityInfo> &all();
    static const StreamQualityInfo &info(StreamQuality quality);
    static const StreamQualityInfo *byFormat(int format);
    static const StreamQualityInfo *byName(const QString &name);
};

// The stored stream addresses, as the stream map gave them (decoded once). They stay
// from one fetch to the next; a fetch that finds a format replaces its address.
struct StreamAddresses
{
    QByteArray Mp4Url;
    QByteArray HdLowUrl;
    QByteArray HdHighUrl;
    QByteArray FlvUrl;

    QByteArray &at(StreamQuality quality);
    const QByteArray &at(StreamQuality quality) const;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/streamquality.h"
#include "download/videodetails.h"

#include <QList>
#include <QString>

// Reads a watch page: the video's details by their nine marker pairs and the stream
// addresses from the stream map.
class WatchPage
{
public:
    // Fills the details in the markers' order. A decoding error in the last three
    // (thumbnail, length, rating) ends the reading there: what was read keeps its new
    // value, the rest its old one. False when it ended so.
    static bool ParseWatchPage(const QString &page, VideoDetails &details);
    // Stores the address of each known format the stream map lists (a later entry of a
    // format wins) and answers the qualities found, in the map's order. A map that cannot
    // be decoded stores nothing; an entry without "|" or without a number before it ends
    // the reading, the entries before it kept.
    static QList<StreamQuality> GetURLs(const QString &page, StreamAddresses &addresses);

    // Whether the page is in the old layout, with a stream map the markers read; any
    // other page is left to yt-dlp.
    static bool hasStreamMap(const QString &page);
    // The details as the window and the command show them: the markup the page wrote
    // them with turned into text. The page is read raw; only what is shown changes.
    static VideoDetails shown(const VideoDetails &details);

    // The title without "/", "\", "'", ":", "(" and ")".
    static QString cleanTitle(const QString &title);
};

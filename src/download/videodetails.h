// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a watch page says about its video, all as text; every fetch overwrites it.
struct VideoDetails
{
    QString VideoId;
    QString VideoTitle; // cleaned of the characters a file name cannot take
    QString VideoLength;
    QString VideoAuthor;
    QString ThumbnailUrl;
    QString VideoDescription;
    QString VideoCategory;
    QString VideoPublished;
    QString VideoRating;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/ytdlpvideo.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reads the JSON description yt-dlp prints for a page ("--dump-single-json"). It is
// outside text: every field is checked for its type, texts that would reach a command
// line or a file name are narrowed to what they may hold, and anything else is dropped.
class YtDlpJson
{
public:
    // The largest description read; a page's JSON is a few hundred kilobytes.
    static constexpr qsizetype MaxBytes = qsizetype(64) << 20;

    // The video, or nothing with *error saying why (not JSON, not an object, too large).
    static std::optional<YtDlpVideo> parse(const QByteArray &bytes, QString *error = nullptr);

    // "20080529" as the window shows a date: "May 29, 2008"; empty for anything else.
    static QString dateText(const QString &yyyymmdd);
};

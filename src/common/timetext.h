// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Durations and positions in whole seconds, written as hours, minutes and seconds.
// Hours are never wrapped at 24: a recording of 25 hours is "25:00:00", so a long file
// is never cut to its first hour behind the user's back.
class TimeText
{
public:
    // "0:01:23": hours without a leading zero, as the probe and the preview show them.
    static QString clock(qint64 seconds);
    // "00:01:23": two-digit hours, as the options sheet and the progress panel show them.
    static QString paddedClock(qint64 seconds);
    // hours x 3600 + minutes x 60 + seconds of "H:MM:SS" (or "H:MM"), blanks around it
    // ignored; any number of hours; nothing for a text that is not such a time.
    static std::optional<qint64> seconds(const QString &text);
    // The same, with 0 for a text that cannot be read.
    static qint64 secondsOrZero(const QString &text);
};

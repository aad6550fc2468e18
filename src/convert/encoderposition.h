// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// How far the encoder has got, in media seconds. Its running status lines
// ("frame= ... time=00:01:02.50 ...") and its statistics lines ("frame= 48 ... time= 4.840
// br= ...") both carry it; every figure of a run's progress is read through here.
class EncoderPosition
{
public:
    // The "time=" of a status or statistics line; nothing for any other line (a file
    // name or a title may hold "time=" too) and for a time not yet known or below 0.
    static std::optional<double> seconds(const QString &line);
    // That time as the row's progress for a clip of this length; nothing when it cannot
    // be told (a clip of no length, a value outside 0 to 100).
    static std::optional<int> percent(double seconds, qint64 clipSeconds);
};

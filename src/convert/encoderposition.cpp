// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/encoderposition.h"

#include "common/rounding.h"

#include <QRegularExpression>

std::optional<double> EncoderPosition::seconds(const QString &line)
{
    // "time=00:01:02.50" on the status line, "time= 4.840" in the statistics.
    static const QRegularExpression time(QStringLiteral(
        "(?:^|\\s)time=\\s*(?:(\\d+):(\\d{2}):(\\d{2}(?:\\.\\d+)?)|(\\d+(?:\\.\\d+)?))(?=\\s|$)"));
    const bool status =
        line.contains(QLatin1String("frame=")) || line.contains(QLatin1String("size="));
    const QRegularExpressionMatch found = time.match(line);
    if (!status || !found.hasMatch())
        return std::nullopt;
    if (found.hasCaptured(4))
        return found.captured(4).toDouble();
    return found.captured(1).toDouble() * 3600 + found.captured(2).toDouble() * 60 +
           found.captured(3).toDouble();
}

std::optional<int> EncoderPosition::percent(double seconds, qint64 clipSeconds)
{
    if (clipSeconds <= 0)
        return std::nullopt;
    const qint64 value = roundHalfEven(seconds / double(clipSeconds) * 100);
    if (value < 0 || value > 100)
        return std::nullopt;
    return int(value);
}

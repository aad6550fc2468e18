// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/timetext.h"

#include <QStringList>

namespace {
QString format(qint64 seconds, int hourWidth)
{
    const bool negative = seconds < 0;
    // The size as an unsigned number, so that the most negative one has a size too.
    const quint64 s = negative ? quint64(0) - quint64(seconds) : quint64(seconds);
    QString text = QStringLiteral("%1:%2:%3")
                       .arg(s / 3600, hourWidth, 10, QLatin1Char('0'))
                       .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
                       .arg(s % 60, 2, 10, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + text : text;
}

std::optional<qint64> field(const QString &piece, qint64 limit)
{
    if (piece.isEmpty() || piece.size() > 12)
        return std::nullopt;
    for (QChar c : piece) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const qint64 value = piece.toLongLong();
    if (limit > 0 && value >= limit)
        return std::nullopt;
    return value;
}
} // namespace

QString TimeText::clock(qint64 seconds)
{
    return format(seconds, 1);
}

QString TimeText::paddedClock(qint64 seconds)
{
    return format(seconds, 2);
}

std::optional<qint64> TimeText::seconds(const QString &text)
{
    const QStringList pieces = text.trimmed().split(QLatin1Char(':'));
    if (pieces.size() < 2 || pieces.size() > 3)
        return std::nullopt;
    const auto hours = field(pieces[0], 0);
    const auto minutes = field(pieces[1], 60);
    const auto secs = pieces.size() == 3 ? field(pieces[2], 60) : std::optional<qint64>(0);
    if (!hours || !minutes || !secs)
        return std::nullopt;
    return *hours * 3600 + *minutes * 60 + *secs;
}

qint64 TimeText::secondsOrZero(const QString &text)
{
    return seconds(text).value_or(0);
}

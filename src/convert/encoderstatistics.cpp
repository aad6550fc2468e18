// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/encoderstatistics.h"

#include "common/numerictext.h"
#include "common/rounding.h"
#include "common/safefile.h"

#include <QFile>
#include <QRegularExpression>

namespace {
// The last complete line of data, or nothing when data does not hold all of it.
std::optional<QByteArray> lastCompleteLine(const QByteArray &data, bool fromStart)
{
    const qsizetype end = data.lastIndexOf('\n');
    if (end < 0)
        return fromStart ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    const qsizetype before = end > 0 ? data.lastIndexOf('\n', end - 1) : -1;
    if (before < 0 && !fromStart)
        return std::nullopt;
    QByteArray line = data.mid(before + 1, end - before - 1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}
} // namespace

QString ReadLastLineOfFile(const QString &fileName)
{
    QFile file(fileName);
    if (!SafeFile::openForReading(file))
        return {};
    const qint64 size = file.size();
    for (qint64 window = 4096;; window *= 2) {
        const qint64 from = qMax<qint64>(0, size - window);
        if (!file.seek(from))
            return {};
        const auto line = lastCompleteLine(file.read(size - from), from == 0);
        if (line)
            return QString::fromUtf8(*line);
        if (from == 0)
            return {};
    }
}

std::optional<double> EncoderStatistics::encodedSeconds(const QString &line)
{
    static const QRegularExpression field(QStringLiteral("(?:^|\\s)time=\\s*(\\S*)"));
    const auto match = field.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    return NumericText::value(match.captured(1));
}

std::optional<int> EncoderStatistics::percent(const QString &line, qint64 clipSeconds)
{
    const auto seconds = encodedSeconds(line);
    if (!seconds || clipSeconds <= 0)
        return std::nullopt;
    const qint64 value = roundHalfEven(*seconds / double(clipSeconds) * 100);
    if (value < 0 || value > 100)
        return std::nullopt;
    return int(value);
}

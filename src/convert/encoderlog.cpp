// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/encoderlog.h"

#include "common/childprogram.h"

#include <QRegularExpression>

namespace {
bool isNoise(const QString &line)
{
    return line == QLatin1String("Conversion failed!") ||
           line.startsWith(QLatin1String("Press [q]")) ||
           line.startsWith(QLatin1String("Exiting normally"));
}

bool isTelling(const QString &line)
{
    static const QRegularExpression words(
        QStringLiteral("error|unknown|invalid|fail|could not|cannot|can't|no such|not found|"
                       "unable|not supported|unsupported|incorrect|does not|not allowed|"
                       "experimental|already exists|same as input|permission denied"),
        QRegularExpression::CaseInsensitiveOption);
    // "[libx264 @ 0x55d0c8] ...": a library speaking for itself says what went wrong.
    static const QRegularExpression component(QStringLiteral("^\\[[^\\]]+ @ 0x[0-9a-f]+\\]"));
    return words.match(line).hasMatch() || component.match(line).hasMatch();
}
} // namespace

void EncoderLog::keepTail(ChildProgram &encoder)
{
    encoder.setTailLines(KeptLines);
    encoder.setTailFilter([](const QString &line) { return !isStatusLine(line); });
}

bool EncoderLog::isStatusLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(QLatin1String("frame=")) ||
           trimmed.startsWith(QLatin1String("size="));
}

QString EncoderLog::failureSummary(const QStringList &lastLines)
{
    QStringList telling;
    QStringList plain;
    for (const QString &line : lastLines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || isNoise(trimmed))
            continue;
        (isTelling(trimmed) ? telling : plain).append(trimmed);
    }
    const QStringList &chosen = telling.isEmpty() ? plain : telling;
    return chosen.mid(qMax<qsizetype>(0, chosen.size() - SummaryLines)).join(QLatin1Char('\n'));
}

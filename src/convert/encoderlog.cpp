#include "convert/encoderlog.h"

#include <QRegularExpression>

namespace {
bool isStatusLine(const QString &line)
{
    return line.startsWith(QLatin1String("frame=")) || line.startsWith(QLatin1String("size="));
}

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

void EncoderLog::feed(const QByteArray &chunk)
{
    const QStringList lines = m_splitter.feed(m_decoder(chunk));
    for (const QString &line : lines)
        keep(line);
}

void EncoderLog::finish()
{
    keep(m_splitter.takeRest());
}

void EncoderLog::keep(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || isStatusLine(trimmed))
        return;
    m_lines.append(trimmed);
    if (m_lines.size() > KeptLines)
        m_lines.removeFirst();
}

QString EncoderLog::failureSummary() const
{
    QStringList telling;
    QStringList plain;
    for (const QString &line : m_lines) {
        if (isNoise(line))
            continue;
        (isTelling(line) ? telling : plain).append(line);
    }
    const QStringList &chosen = telling.isEmpty() ? plain : telling;
    return chosen.mid(qMax<qsizetype>(0, chosen.size() - SummaryLines)).join(QLatin1Char('\n'));
}

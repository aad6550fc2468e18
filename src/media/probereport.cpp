// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/probereport.h"

#include "common/numerictext.h"
#include "common/rounding.h"
#include "common/timetext.h"
#include "media/mediafacts.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace {
void setInteger(qint32 &target, const QString &value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok)
        target = number;
}
} // namespace

ProbeReport ProbeReport::parse(const QString &report)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r?\n"));
    ProbeReport result;
    const QStringList lines = report.split(lineEnd);
    for (const QString &line : lines) {
        const QStringList pieces = line.split(QLatin1Char('='));
        if (pieces.size() < 2)
            continue;
        const QString &key = pieces[0];
        const QString &value = pieces[1];
        if (key == QLatin1String("ID_VIDEO_WIDTH"))
            setInteger(result.width, value);
        else if (key == QLatin1String("ID_VIDEO_HEIGHT"))
            setInteger(result.height, value);
        else if (key == QLatin1String("ID_LENGTH"))
            result.length = roundHalfEven(NumericText::value(value));
        else if (key == QLatin1String("ID_VIDEO_FORMAT"))
            result.format = value;
    }
    return result;
}

std::optional<qint64> ProbeReport::encoderDuration(const QString &encoderReport)
{
    const auto seconds = MediaFacts::parse(encoderReport).length;
    if (!seconds || roundHalfEven(*seconds) <= 0)
        return std::nullopt;
    return roundHalfEven(*seconds);
}

QString ProbeReport::formatText() const
{
    // The player's own numbers for streams that carry no four-letter code (MPEG program
    // and transport streams, elementary streams, uncompressed AVI).
    static const QHash<QString, QString> names = {
        {"0x10000001", "MPEG-1"}, {"0x10000002", "MPEG-2"}, {"0x10000004", "MPEG-4"},
        {"0x10000005", "H264"},   {"0x00000000", "RGB"},
    };
    const QString id = format.value_or(QString());
    return names.value(id.toLower(), id);
}

QString ProbeReport::sizeText() const
{
    return QString::number(width) + QLatin1Char('x') + QString::number(height);
}

QString ProbeReport::lengthText() const
{
    return length ? TimeText::clock(*length) : QString();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/probereport.h"

#include "common/numerictext.h"
#include "common/rounding.h"
#include "common/timetext.h"

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
    static const QRegularExpression duration(
        QStringLiteral("Duration: (\\d+):(\\d\\d):(\\d\\d(?:\\.\\d+)?)"));
    const QRegularExpressionMatch m = duration.match(encoderReport);
    if (!m.hasMatch())
        return std::nullopt;
    const double seconds =
        m.captured(1).toDouble() * 3600 + m.captured(2).toDouble() * 60 + m.captured(3).toDouble();
    const qint64 whole = roundHalfEven(seconds);
    if (whole <= 0)
        return std::nullopt;
    return whole;
}

QString ProbeReport::sizeText() const
{
    return QString::number(width) + QLatin1Char('x') + QString::number(height);
}

QString ProbeReport::lengthText() const
{
    return length ? TimeText::clock(*length) : QString();
}

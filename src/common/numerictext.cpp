// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/numerictext.h"

#include <cmath>

double NumericText::value(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    bool ok = false;
    const double result = text.mid(start, i - start).toDouble(&ok);
    return ok ? result : 0.0;
}

QString NumericText::text(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (value == std::floor(value) && std::fabs(value) < 9.0e15)
        return QString::number(static_cast<qint64>(value));
    QString s = QString::number(value, 'f', 12);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}

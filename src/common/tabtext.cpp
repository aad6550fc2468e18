// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/tabtext.h"

QString TabText::field(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            escaped += QLatin1String("\\\\");
            break;
        case '\t':
            escaped += QLatin1String("\\t");
            break;
        case '\n':
            escaped += QLatin1String("\\n");
            break;
        case '\r':
            escaped += QLatin1String("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString TabText::line(const QStringList &fields)
{
    QStringList escaped;
    escaped.reserve(fields.size());
    for (const QString &f : fields)
        escaped << field(f);
    return escaped.join(QLatin1Char('\t'));
}

std::optional<QStringList> TabText::fields(const QString &line)
{
    QStringList fields(1);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('\t')) {
            fields << QString();
            continue;
        }
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return std::nullopt;
        if (c != QLatin1Char('\\')) {
            fields.last() += c;
            continue;
        }
        if (++i == line.size())
            return std::nullopt;
        switch (line[i].unicode()) {
        case '\\':
            fields.last() += QLatin1Char('\\');
            break;
        case 't':
            fields.last() += QLatin1Char('\t');
            break;
        case 'n':
            fields.last() += QLatin1Char('\n');
            break;
        case 'r':
            fields.last() += QLatin1Char('\r');
            break;
        default:
            return std::nullopt;
        }
    }
    return fields;
}

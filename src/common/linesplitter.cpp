// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/linesplitter.h"

QStringList LineSplitter::feed(const QString &chunk)
{
    QStringList lines;
    for (QChar c : chunk) {
        if (c == QLatin1Char('\n') && m_lastWasCr) {
            m_lastWasCr = false; // the LF of a CR LF pair
            continue;
        }
        m_lastWasCr = c == QLatin1Char('\r');
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(m_tail);
            m_tail.clear();
        } else {
            m_tail.append(c);
        }
    }
    return lines;
}

QString LineSplitter::takeRest()
{
    m_lastWasCr = false;
    QString rest;
    rest.swap(m_tail);
    return rest;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/downloadprogress.h"

#include "common/rounding.h"

void DownloadProgress::start(qint64 received, qint64 total)
{
    m_received = received;
    m_total = total;
    m_shown = -1;
}

QList<int> DownloadProgress::add(qint64 bytes)
{
    QList<int> shown;
    while (bytes > 0) {
        const qint64 piece = qMin(bytes, PieceSize);
        bytes -= piece;
        m_received += piece;
        if (!totalKnown())
            continue;
        const int now = percent(m_received, m_total);
        if (now != m_shown) {
            m_shown = now;
            shown.append(now);
        }
    }
    return shown;
}

QList<int> DownloadProgress::moveTo(qint64 received, qint64 total)
{
    m_total = total;
    if (received >= m_received)
        return add(received - m_received);
    m_received = received;
    const int now = totalKnown() ? percent(m_received, m_total) : -1;
    if (now < 0 || now == m_shown)
        return {};
    m_shown = now;
    return {now};
}

int DownloadProgress::percent(qint64 received, qint64 total)
{
    if (total <= 0)
        return 0;
    return int(roundHalfEven(100.0 / double(total) * double(received)));
}

QString DownloadProgress::percentText(int percent)
{
    return QString::number(percent) + QStringLiteral(" % ");
}

QString DownloadProgress::amountText(qint64 bytes)
{
    if (bytes < 1024)
        return QString::number(bytes) + QStringLiteral(" bytes");
    const char *units[] = {"KB", "MB", "GB", "TB"};
    double value = double(bytes) / 1024;
    int unit = 0;
    while (value >= 1024 && unit < 3) {
        value /= 1024;
        ++unit;
    }
    // Three significant figures at most: 12.4 MB, 124 MB, 1.50 GB.
    const int decimals = value < 10 ? 2 : value < 100 ? 1 : 0;
    return QString::number(value, 'f', decimals) + QLatin1Char(' ') + QLatin1String(units[unit]);
}

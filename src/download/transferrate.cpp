// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/transferrate.h"

#include "common/timetext.h"
#include "download/downloadprogress.h"

#include <cmath>

void TransferRate::reset()
{
    m_samples.clear();
}

void TransferRate::sample(qint64 msecs, qint64 received)
{
    m_samples.append({msecs, received});
    // Keep one sample older than the window so the span covers all of it.
    while (m_samples.size() > 2 && msecs - m_samples[1].msecs >= WindowMs)
        m_samples.removeFirst();
}

double TransferRate::bytesPerSecond() const
{
    if (m_samples.size() < 2)
        return 0;
    const Sample &first = m_samples.first();
    const Sample &last = m_samples.last();
    const qint64 span = last.msecs - first.msecs;
    if (span <= 0)
        return 0;
    return double(last.received - first.received) * 1000.0 / double(span);
}

qint64 TransferRate::secondsLeft(qint64 total) const
{
    const double speed = bytesPerSecond();
    if (total < 0 || speed <= 0 || m_samples.isEmpty())
        return -1;
    const qint64 left = qMax<qint64>(0, total - m_samples.last().received);
    return qint64(std::ceil(double(left) / speed));
}

QString TransferRate::text(qint64 total) const
{
    if (m_samples.size() < 2)
        return QString();
    const QString speed =
        DownloadProgress::amountText(qint64(bytesPerSecond())) + QStringLiteral("/s");
    const qint64 left = secondsLeft(total);
    if (left < 0)
        return speed;
    return speed + QStringLiteral(", ") + TimeText::clock(left) + QStringLiteral(" left");
}

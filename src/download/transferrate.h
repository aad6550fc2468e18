// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Speed and time left of a transfer, from the amounts seen over the last few seconds,
// so a stall shows at once and one quick burst does not promise too much.
class TransferRate
{
public:
    static constexpr qint64 WindowMs = 3000;

    void reset();
    // The amount received by the time given (milliseconds on any steady clock).
    void sample(qint64 msecs, qint64 received);
    // Bytes per second, or 0 before two samples.
    double bytesPerSecond() const;
    // Whole seconds until total, or -1 when the total or the speed is unknown.
    qint64 secondsLeft(qint64 total) const;

    // "1.20 MB/s, 0:00:12 left"; without a total only the speed.
    QString text(qint64 total) const;

private:
    struct Sample
    {
        qint64 msecs;
        qint64 received;
    };
    QList<Sample> m_samples;
};

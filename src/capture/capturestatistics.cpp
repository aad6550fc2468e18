// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/capturestatistics.h"

#include "common/rounding.h"

QString CaptureStatistics::text() const
{
    // Hundredths are rounded like every other real number the program shows.
    const qint64 hundredths = roundHalfEven(double(timeMs) / 10.0);
    const QString seconds = QStringLiteral("%1.%2")
                                .arg(hundredths / 100)
                                .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1 frames (%2 dropped) - %3 sec.")
        .arg(framesRecorded)
        .arg(framesDropped)
        .arg(seconds);
}

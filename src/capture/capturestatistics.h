// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// What a running recording has done so far, as the capture window shows it twice a second.
struct CaptureStatistics
{
    qint64 framesRecorded = 0;
    // Pictures the device delivered too late or not at all (repeated in the file to keep
    // its timing) and pictures the encoder had to discard.
    qint64 framesDropped = 0;
    qint64 timeMs = 0;

    // "125 frames (2 dropped) - 5.04 sec."
    QString text() const;
};

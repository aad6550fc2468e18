// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/capturestatistics.h"

#include <QString>

// Reads the encoder's machine-readable progress ("-progress pipe:2"): blocks of
// "key=value" lines, each closed by "progress=continue" or, at the very end,
// "progress=end". Only whole blocks count, so the figures never mix two moments.
class CaptureProgress
{
public:
    // One line of the encoder's standard error; true when it closed a block.
    bool take(const QString &line);
    void reset();

    CaptureStatistics statistics() const { return m_statistics; }
    // A block has reported at least one frame written.
    bool hasFrames() const { return m_statistics.framesRecorded > 0; }
    // The encoder has written its last block: the file is finished.
    bool ended() const { return m_ended; }

    // Progress lines say nothing about why an encoder failed; they stay out of its tail.
    static bool isProgressLine(const QString &line);

private:
    CaptureStatistics m_pending;
    CaptureStatistics m_statistics;
    qint64 m_dropped = 0;
    qint64 m_repeated = 0;
    bool m_ended = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Whether a recording must end now so that the encoder can still finish its file. An AVI
// plays only with the index the encoder writes when it ends (a few bytes a frame), so a
// recording that fills the disk is stopped while that index and a margin still fit,
// counting what the encoder may write before the next look.
class RecordingRoom
{
public:
    static constexpr qint64 IndexBytesPerFrame = 32; // the old and the OpenDML index
    static constexpr qint64 MarginBytes = 128 * 1024;
    // Looks come twice a second; room is kept for this many of them.
    static constexpr int LooksAhead = 3;

    void reset();
    // One look: the room left on the disk (-1: unknown), the file's size and its frames so
    // far. True once the room left would not hold what ending needs.
    bool runningOut(qint64 freeBytes, qint64 fileBytes, qint64 frames);

private:
    qint64 m_lastSize = -1;
    qint64 m_largestStep = 0;
};

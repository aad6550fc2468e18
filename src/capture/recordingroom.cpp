// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/recordingroom.h"

#include <algorithm>

void RecordingRoom::reset()
{
    m_lastSize = -1;
    m_largestStep = 0;
}

bool RecordingRoom::runningOut(qint64 freeBytes, qint64 fileBytes, qint64 frames)
{
    if (m_lastSize >= 0)
        m_largestStep = std::max(m_largestStep, fileBytes - m_lastSize);
    m_lastSize = fileBytes;
    if (freeBytes < 0)
        return false;
    // The frames of the looks ahead need index entries as well.
    const qint64 framesAhead = frames + frames / 2 + 1;
    const qint64 needed =
        MarginBytes + LooksAhead * m_largestStep + framesAhead * IndexBytesPerFrame;
    return freeBytes < needed;
}

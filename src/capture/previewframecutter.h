// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Cuts the encoder's stream of raw BGRA pictures into whole frames. Bytes arrive in
// pieces of any size; only the newest whole frame of a piece is worth painting.
class PreviewFrameCutter
{
public:
    explicit PreviewFrameCutter(QSize size = QSize());

    void reset(QSize size);
    // The newest frame completed by these bytes; a null image when none was.
    QImage feed(const QByteArray &bytes);
    QSize size() const { return m_size; }

private:
    QSize m_size;
    qsizetype m_frameBytes = 0;
    QByteArray m_pending;
};

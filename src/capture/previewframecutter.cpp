// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/previewframecutter.h"

PreviewFrameCutter::PreviewFrameCutter(QSize size)
{
    reset(size);
}

void PreviewFrameCutter::reset(QSize size)
{
    m_size = size.isValid() ? size : QSize();
    m_frameBytes = qsizetype(m_size.width()) * m_size.height() * 4;
    m_pending.clear();
}

QImage PreviewFrameCutter::feed(const QByteArray &bytes)
{
    if (m_frameBytes <= 0)
        return QImage();
    m_pending.append(bytes);
    const qsizetype whole = m_pending.size() / m_frameBytes;
    if (whole == 0)
        return QImage();
    const qsizetype newest = (whole - 1) * m_frameBytes;
    // BGRA bytes are RGB32 words on this little-endian machine: no conversion to paint.
    QImage frame(m_size, QImage::Format_RGB32);
    const int line = m_size.width() * 4;
    for (int y = 0; y < m_size.height(); ++y)
        memcpy(frame.scanLine(y), m_pending.constData() + newest + qsizetype(y) * line, line);
    m_pending.remove(0, whole * m_frameBytes);
    return frame;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/capturepreviewframe.h"

#include <QPaintEvent>
#include <QPainter>

CapturePreviewFrame::CapturePreviewFrame(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // Every pixel is painted here: nothing behind needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CapturePreviewFrame::showFrame(const QImage &frame)
{
    m_frame = frame;
    m_problem.clear();
    ++m_shown;
    update(contentsRect());
}

void CapturePreviewFrame::showProblem(const QString &reason)
{
    m_problem = reason;
    if (!reason.isEmpty())
        m_frame = QImage();
    update();
}

void CapturePreviewFrame::clear()
{
    m_frame = QImage();
    m_problem.clear();
    update();
}

void CapturePreviewFrame::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    if (!m_frame.isNull() && m_frame.size() == area.size()) {
        painter.drawImage(area.topLeft(), m_frame);
    } else {
        painter.fillRect(area, Qt::black);
        if (!m_frame.isNull()) {
            const QSize fitted = m_frame.size().scaled(area.size(), Qt::KeepAspectRatio);
            QRect target(QPoint(), fitted);
            target.moveCenter(area.center());
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target, m_frame);
        } else if (!m_problem.isEmpty()) {
            painter.setPen(QColor(0xc0, 0xc0, 0xc0));
            painter.drawText(area.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                             m_problem);
        }
    }
    painter.end();
    if (event->rect() != area)
        QFrame::paintEvent(event);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Drives a range slider's thumb as a mouse would: pressed at its tip, its left edge moved
// to each of the given edges in turn, then let go.
inline void sendMouse(QWidget *target, QEvent::Type type, int localX)
{
    const QPointF local(localX, 7);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void moveThumbTo(QWidget *thumb, int leftEdge)
{
    sendMouse(thumb, QEvent::MouseMove, leftEdge - thumb->x() + 7);
}

inline void dragThumb(QWidget *thumb, std::initializer_list<int> leftEdges)
{
    sendMouse(thumb, QEvent::MouseButtonPress, 7);
    for (int edge : leftEdges)
        moveThumbTo(thumb, edge);
    sendMouse(thumb, QEvent::MouseButtonRelease, 7);
}

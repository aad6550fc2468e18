// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/v4l2io.h"

#include <QList>
#include <QMap>
#include <QPair>

#include <linux/videodev2.h>

// Video nodes that exist only in memory: their capabilities and their controls, as a
// driver would answer through the ioctl calls the program makes.
class FakeV4l2Io : public V4l2Io
{
public:
    struct Node
    {
        v4l2_capability caps = {};
        QMap<__u32, v4l2_queryctrl> controls;
        QMap<__u32, __s32> values;
    };

    // A capture node (or, with caps, another kind) with this card and bus.
    Node &add(const QString &path, const char *card, const char *bus,
              __u32 deviceCaps = V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_STREAMING);
    static void addControl(Node &node, __u32 id, int minimum, int maximum, int value,
                           __u32 flags = 0);

    QStringList nodes() const override;
    int open(const QString &node) override;
    int ioctl(int fd, unsigned long request, void *argument) override;
    void close(int fd) override;

    QMap<QString, Node> devices;
    QStringList order;                  // the nodes as the system lists them
    QList<QPair<__u32, __s32>> written; // every S_CTRL, in order
    int openCount = 0;
    int stillOpen() const { return int(m_open.size()); }

private:
    QMap<int, QString> m_open;
    int m_next = 3;
};

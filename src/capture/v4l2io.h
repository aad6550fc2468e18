// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The few system calls that reach video devices, behind one seam so the device list and
// the camera controls can be tried against a fake: no camera exists on a build machine.
class V4l2Io
{
public:
    virtual ~V4l2Io() = default;

    // The video nodes present ("/dev/video0", ...), in the order of their numbers.
    virtual QStringList nodes() const = 0;
    // A descriptor, or -1 with errno set.
    virtual int open(const QString &node) = 0;
    // As ioctl(2): 0 on success, -1 with errno set.
    virtual int ioctl(int fd, unsigned long request, void *argument) = 0;
    virtual void close(int fd) = 0;

    // The machine's own devices.
    static V4l2Io &system();
};

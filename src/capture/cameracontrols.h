// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/camerapropertyrange.h"

#include <QString>

#include <optional>

class V4l2Io;

// The camera properties of one video node, by the window's numbering: 0 pan, 1 tilt,
// 2 roll, 3 zoom, each the kernel's absolute control. The kernel has no roll control.
// The node is opened for each question, so a camera unplugged meanwhile only answers no.
class CameraControls
{
public:
    enum Property { Pan = 0, Tilt = 1, Roll = 2, Zoom = 3 };
    static constexpr int PropertyCount = 4;

    CameraControls(V4l2Io &io, const QString &node);

    // Nothing when the device lacks the control, or has it disabled or read-only.
    std::optional<CameraPropertyRange> range(int property) const;
    std::optional<int> value(int property) const;
    bool set(int property, int value);

    // The kernel's control id for a property; 0 when there is none.
    static unsigned controlId(int property);

private:
    V4l2Io &m_io;
    QString m_node;
};

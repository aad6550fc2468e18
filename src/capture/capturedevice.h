// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One entry of the device list: a video capture node of the kernel, or the X screen.
struct CaptureDevice
{
    enum class Kind { Camera, Screen };

    Kind kind = Kind::Camera;
    QString name;   // as the list shows it
    QString source; // the node ("/dev/video0") or the display name (":0")
};

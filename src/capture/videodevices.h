// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/capturedevice.h"

#include <QList>
#include <QString>

class V4l2Io;

// The devices the capture window offers, in a stable order: every video capture node by
// number, then the X screen when there is a display. Nodes that only carry metadata or
// output are left out; two cameras of the same name are told apart by their bus.
class VideoDevices
{
public:
    static QList<CaptureDevice> list(V4l2Io &io, const QString &display);
    // The display Klevar runs on (DISPLAY), empty without one.
    static QString currentDisplay();
    static QString screenName(const QString &display);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/capturedevice.h"
#include "common/commandline.h"

#include <QSize>
#include <QString>

// The encoder's command for one connected device. One child does all the device's work,
// because a device opens only once: it writes small raw pictures (BGRA, exactly the
// preview size, letterboxed) to its standard output for the preview and, while recording,
// the AVI file (MJPEG, no sound); its progress goes to standard error as key=value lines.
class CaptureEncoderCommand
{
public:
    static constexpr int ScreenRate = 25;
    static constexpr int BytesPerPixel = 4;

    struct Request
    {
        CaptureDevice device;
        QSize previewSize;  // empty: no preview output
        QString recordFile; // empty: no recording
        qint64 limitMs = 0; // the recording ends by itself after this long; 0: when asked
    };

    static CommandLine build(const Request &request);
};

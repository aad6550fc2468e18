// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/camerapropertyrange.h"
#include "capture/capturestatistics.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <optional>

// What the capture window asks of a capture device: the devices, a connection to one of
// them with its live picture, a recording into a file, the recording's statistics and the
// camera's properties. The window knows nothing else, so tests put a fake in its place.
// Failures the window must tell the user come as signals or as lastError().
class CaptureControl : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual int deviceCount() const = 0;
    virtual QString deviceName(int index) const = 0;
    // The device the next connection opens.
    virtual void setSelectedDevice(int index) = 0;
    // false releases the device (a recording is finished first); true opens the selected
    // one and, while the preview is on, shows its picture.
    virtual void setConnected(bool connected) = 0;
    virtual void setCaptureFile(const QString &path) = 0;
    virtual void setPreview(bool on) = 0;
    // false when the recording could not start; lastError() says why. It may still fail
    // a moment later: captureFailed() then tells.
    virtual bool startCapture() = 0;
    // Ends the recording and finishes the file; harmless when nothing records.
    virtual void stopCapture() = 0;
    virtual bool isCapturing() const = 0;
    virtual CaptureStatistics captureStatistics() const = 0;
    // Nothing when the device has no such property (0 pan, 1 tilt, 2 roll, 3 zoom).
    virtual std::optional<CameraPropertyRange> cameraPropertyRange(int property) const = 0;
    virtual int cameraPropertyValue(int property) const = 0;
    virtual void setCameraProperty(int property, int value) = 0;

    virtual QString lastError() const = 0;

Q_SIGNALS:
    // A new picture of the connected device, already sized for the preview.
    void previewFrame(const QImage &frame);
    // The device gives no picture (busy, gone, refused); empty text: the picture is back.
    void previewProblem(const QString &reason);
    // A recording that was started did not get going; nothing was written.
    void captureFailed(const QString &reason);
    // A running recording ended without being asked (the device was lost); the file holds
    // what was recorded up to then, finished.
    void captureInterrupted(const QString &reason);
};

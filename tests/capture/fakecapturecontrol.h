// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/capturecontrol.h"

#include <QList>
#include <QMap>
#include <QStringList>

// A capture control with devices of the test's making: it records every call the window
// makes and answers from what the test put in.
class FakeCaptureControl : public CaptureControl
{
    Q_OBJECT

public:
    struct Device
    {
        QString name;
        QMap<int, CameraPropertyRange> ranges; // by property number
        QMap<int, int> values;
    };

    int deviceCount() const override { return int(devices.size()); }
    QString deviceName(int index) const override { return devices.value(index).name; }
    void setSelectedDevice(int index) override;
    void setConnected(bool connected) override;
    void setCaptureFile(const QString &path) override;
    void setPreview(bool on) override;
    bool startCapture() override;
    void stopCapture() override;
    bool isCapturing() const override { return capturing; }
    CaptureStatistics captureStatistics() const override { return statistics; }
    std::optional<CameraPropertyRange> cameraPropertyRange(int property) const override;
    int cameraPropertyValue(int property) const override;
    void setCameraProperty(int property, int value) override;
    QString lastError() const override { return error; }

    QList<Device> devices;
    QStringList calls; // "select 1", "connect", "disconnect", "file X", "preview", "start", ...
    int selected = -1;
    bool capturing = false;
    bool refuseStart = false; // startCapture fails with error
    QString error;
    CaptureStatistics statistics;
};

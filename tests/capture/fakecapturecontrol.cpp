// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakecapturecontrol.h"

void FakeCaptureControl::setSelectedDevice(int index)
{
    selected = index;
    calls << QStringLiteral("select %1").arg(index);
}

void FakeCaptureControl::setConnected(bool connected)
{
    calls << (connected ? QStringLiteral("connect") : QStringLiteral("disconnect"));
}

void FakeCaptureControl::setCaptureFile(const QString &path)
{
    calls << QStringLiteral("file ") + path;
}

void FakeCaptureControl::setPreview(bool on)
{
    calls << (on ? QStringLiteral("preview") : QStringLiteral("no preview"));
}

bool FakeCaptureControl::startCapture()
{
    calls << QStringLiteral("start");
    if (refuseStart)
        return false;
    capturing = true;
    return true;
}

void FakeCaptureControl::stopCapture()
{
    calls << QStringLiteral("stop");
    capturing = false;
}

std::optional<CameraPropertyRange> FakeCaptureControl::cameraPropertyRange(int property) const
{
    const Device device = devices.value(selected);
    if (!device.ranges.contains(property))
        return std::nullopt;
    return device.ranges.value(property);
}

int FakeCaptureControl::cameraPropertyValue(int property) const
{
    return devices.value(selected).values.value(property);
}

void FakeCaptureControl::setCameraProperty(int property, int value)
{
    calls << QStringLiteral("set %1 %2").arg(property).arg(value);
    if (selected >= 0 && selected < devices.size())
        devices[selected].values[property] = value;
}

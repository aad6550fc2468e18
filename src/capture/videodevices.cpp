// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/videodevices.h"

#include "capture/v4l2io.h"

#include <QHash>

#include <cstring>
#include <linux/videodev2.h>

namespace {
struct Node
{
    QString path;
    QString card;
    QString bus;
};

QString fixedText(const __u8 *text, size_t size)
{
    const auto *chars = reinterpret_cast<const char *>(text);
    return QString::fromUtf8(chars, qsizetype(strnlen(chars, size))).trimmed();
}

bool captureNode(V4l2Io &io, const QString &path, Node *node)
{
    const int fd = io.open(path);
    if (fd < 0)
        return false;
    v4l2_capability caps = {};
    const bool answered = io.ioctl(fd, VIDIOC_QUERYCAP, &caps) == 0;
    io.close(fd);
    if (!answered)
        return false;
    // A driver that tells the capabilities of each node says so; the older field
    // describes the whole device, with nodes of every kind.
    const __u32 nodeCaps =
        (caps.capabilities & V4L2_CAP_DEVICE_CAPS) ? caps.device_caps : caps.capabilities;
    if (!(nodeCaps & V4L2_CAP_VIDEO_CAPTURE))
        return false;
    node->path = path;
    node->card = fixedText(caps.card, sizeof caps.card);
    node->bus = fixedText(caps.bus_info, sizeof caps.bus_info);
    if (node->card.isEmpty())
        node->card = path;
    return true;
}
} // namespace

QList<CaptureDevice> VideoDevices::list(V4l2Io &io, const QString &display)
{
    QList<Node> nodes;
    QHash<QString, int> cards;
    QHash<QString, int> buses;
    for (const QString &path : io.nodes()) {
        Node node;
        if (captureNode(io, path, &node)) {
            nodes << node;
            ++cards[node.card];
            ++buses[node.card + QLatin1Char('\n') + node.bus];
        }
    }
    QList<CaptureDevice> devices;
    for (const Node &node : std::as_const(nodes)) {
        QString name = node.card;
        // One device with two capture nodes shares its bus too: then only the node tells.
        const bool busTells =
            !node.bus.isEmpty() && buses.value(node.card + QLatin1Char('\n') + node.bus) == 1;
        if (cards.value(node.card) > 1)
            name += QStringLiteral(" (%1)").arg(busTells ? node.bus : node.path);
        devices << CaptureDevice{CaptureDevice::Kind::Camera, name, node.path};
    }
    if (!display.isEmpty())
        devices << CaptureDevice{CaptureDevice::Kind::Screen, screenName(display), display};
    return devices;
}

QString VideoDevices::currentDisplay()
{
    return qEnvironmentVariable("DISPLAY").trimmed();
}

QString VideoDevices::screenName(const QString &display)
{
    return QStringLiteral("Screen ") + display;
}

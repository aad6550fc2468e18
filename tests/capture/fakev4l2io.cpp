// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakev4l2io.h"

#include <cerrno>
#include <cstring>

FakeV4l2Io::Node &FakeV4l2Io::add(const QString &path, const char *card, const char *bus,
                                  __u32 deviceCaps)
{
    Node &node = devices[path];
    std::strncpy(reinterpret_cast<char *>(node.caps.card), card, sizeof node.caps.card - 1);
    std::strncpy(reinterpret_cast<char *>(node.caps.bus_info), bus, sizeof node.caps.bus_info - 1);
    node.caps.capabilities = deviceCaps | V4L2_CAP_META_CAPTURE | V4L2_CAP_DEVICE_CAPS;
    node.caps.device_caps = deviceCaps;
    order << path;
    return node;
}

void FakeV4l2Io::addControl(Node &node, __u32 id, int minimum, int maximum, int value, __u32 flags)
{
    v4l2_queryctrl query = {};
    query.id = id;
    query.type = V4L2_CTRL_TYPE_INTEGER;
    query.minimum = minimum;
    query.maximum = maximum;
    query.step = 1;
    query.flags = flags;
    node.controls[id] = query;
    node.values[id] = value;
}

QStringList FakeV4l2Io::nodes() const
{
    return order;
}

int FakeV4l2Io::open(const QString &node)
{
    if (!devices.contains(node)) {
        errno = ENOENT;
        return -1;
    }
    ++openCount;
    m_open[m_next] = node;
    return m_next++;
}

int FakeV4l2Io::ioctl(int fd, unsigned long request, void *argument)
{
    if (!m_open.contains(fd)) {
        errno = EBADF;
        return -1;
    }
    Node &node = devices[m_open[fd]];
    if (request == VIDIOC_QUERYCAP) {
        *static_cast<v4l2_capability *>(argument) = node.caps;
        return 0;
    }
    if (request == VIDIOC_QUERYCTRL) {
        auto *query = static_cast<v4l2_queryctrl *>(argument);
        if (!node.controls.contains(query->id))
            return errno = EINVAL, -1;
        *query = node.controls[query->id];
        return 0;
    }
    auto *control = static_cast<v4l2_control *>(argument);
    if (!node.values.contains(control->id))
        return errno = EINVAL, -1;
    if (request == VIDIOC_G_CTRL) {
        control->value = node.values[control->id];
        return 0;
    }
    if (request == VIDIOC_S_CTRL) {
        written.append({control->id, control->value});
        node.values[control->id] = control->value;
        return 0;
    }
    return errno = ENOTTY, -1;
}

void FakeV4l2Io::close(int fd)
{
    m_open.remove(fd);
}

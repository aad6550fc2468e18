// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/cameracontrols.h"

#include "capture/v4l2io.h"

#include <linux/videodev2.h>

namespace {
// Closes the node however the question ends.
class OpenNode
{
public:
    OpenNode(V4l2Io &io, const QString &node) : m_io(io), m_fd(io.open(node)) {}
    ~OpenNode()
    {
        if (m_fd >= 0)
            m_io.close(m_fd);
    }
    int fd() const { return m_fd; }

private:
    V4l2Io &m_io;
    int m_fd;
};
} // namespace

CameraControls::CameraControls(V4l2Io &io, const QString &node) : m_io(io), m_node(node) {}

unsigned CameraControls::controlId(int property)
{
    switch (property) {
    case Pan:
        return V4L2_CID_PAN_ABSOLUTE;
    case Tilt:
        return V4L2_CID_TILT_ABSOLUTE;
    case Zoom:
        return V4L2_CID_ZOOM_ABSOLUTE;
    default:
        return 0;
    }
}

std::optional<CameraPropertyRange> CameraControls::range(int property) const
{
    const unsigned id = controlId(property);
    if (id == 0)
        return std::nullopt;
    OpenNode node(m_io, m_node);
    if (node.fd() < 0)
        return std::nullopt;
    v4l2_queryctrl query = {};
    query.id = id;
    if (m_io.ioctl(node.fd(), VIDIOC_QUERYCTRL, &query) != 0)
        return std::nullopt;
    // A slider that moves nothing would mislead: such controls stay off.
    if (query.flags & (V4L2_CTRL_FLAG_DISABLED | V4L2_CTRL_FLAG_READ_ONLY))
        return std::nullopt;
    if (query.type != V4L2_CTRL_TYPE_INTEGER || query.maximum < query.minimum)
        return std::nullopt;
    CameraPropertyRange range;
    range.minimum = query.minimum;
    range.maximum = query.maximum;
    range.step = query.step > 0 ? query.step : 1;
    range.defaultValue = query.default_value;
    range.flags = int(query.flags);
    return range;
}

std::optional<int> CameraControls::value(int property) const
{
    const unsigned id = controlId(property);
    if (id == 0)
        return std::nullopt;
    OpenNode node(m_io, m_node);
    v4l2_control control = {};
    control.id = id;
    if (node.fd() < 0 || m_io.ioctl(node.fd(), VIDIOC_G_CTRL, &control) != 0)
        return std::nullopt;
    return control.value;
}

bool CameraControls::set(int property, int value)
{
    const unsigned id = controlId(property);
    if (id == 0)
        return false;
    OpenNode node(m_io, m_node);
    v4l2_control control = {};
    control.id = id;
    control.value = value;
    return node.fd() >= 0 && m_io.ioctl(node.fd(), VIDIOC_S_CTRL, &control) == 0;
}

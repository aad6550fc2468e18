// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/smalldisk.h"

#include <QByteArray>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

SmallDisk::SmallDisk(int kibibytes)
{
    if (::geteuid() != 0) {
        m_why = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    const QByteArray target = m_dir.path().toUtf8();
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, options.constData()) != 0) {
        m_why = QStringLiteral("cannot mount a tmpfs here: ") +
                QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    m_mounted = true;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(m_dir.path().toUtf8().constData(), MNT_DETACH);
}

QString SmallDisk::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

bool SmallDisk::fill()
{
    const QByteArray name = (path() + QStringLiteral(".filler")).toUtf8();
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    while (::write(fd, block.constData(), size_t(block.size())) > 0) {
    }
    // The last partial block too, byte by byte.
    while (::write(fd, "x", 1) == 1) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

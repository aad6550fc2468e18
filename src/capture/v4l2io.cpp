// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/v4l2io.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
class SystemV4l2Io : public V4l2Io
{
public:
    QStringList nodes() const override
    {
        QStringList found;
        const QStringList names =
            QDir(QStringLiteral("/dev")).entryList({QStringLiteral("video*")}, QDir::System);
        for (const QString &name : names) {
            bool number = false;
            name.mid(5).toInt(&number);
            if (number)
                found << name;
        }
        // video2 before video10, so the list keeps its order whatever the count.
        std::sort(found.begin(), found.end(), [](const QString &a, const QString &b) {
            return a.mid(5).toInt() < b.mid(5).toInt();
        });
        for (QString &name : found)
            name.prepend(QStringLiteral("/dev/"));
        return found;
    }

    int open(const QString &node) override
    {
        // Non-blocking: asking a busy or stuck device must never hang the window.
        return ::open(QFile::encodeName(node).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    }

    int ioctl(int fd, unsigned long request, void *argument) override
    {
        int result;
        do {
            result = ::ioctl(fd, request, argument);
        } while (result == -1 && errno == EINTR);
        return result;
    }

    void close(int fd) override { ::close(fd); }
};
} // namespace

V4l2Io &V4l2Io::system()
{
    static SystemV4l2Io io;
    return io;
}

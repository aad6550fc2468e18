// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/diskspace.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
QString systemText(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}
} // namespace

QString DiskSpace::noSpaceText(const QString &folder)
{
    return systemText(ENOSPC) + QStringLiteral(": ") + folder;
}

qint64 DiskSpace::freeBytes(const QString &folder)
{
    struct statvfs disk = {};
    if (::statvfs(QFile::encodeName(folder).constData(), &disk) != 0)
        return -1;
    // The superuser may fill the blocks kept back from everyone else.
    const fsblkcnt_t blocks = ::geteuid() == 0 ? disk.f_bfree : disk.f_bavail;
    return qint64(blocks) * qint64(disk.f_frsize);
}

bool DiskSpace::isFull(const QString &folder)
{
    const qint64 free = freeBytes(folder);
    return free >= 0 && free < FullBelowBytes;
}

bool DiskSpace::saysNoSpace(const QString &text)
{
    // Children speak in their locale, which is ours, or in the C locale.
    return text.contains(systemText(ENOSPC)) || text.contains(QLatin1String("No space left"));
}

QString DiskSpace::writeFailure(const QString &path, const QString &reason)
{
    const QString folder = folderOf(path);
    if (isFull(folder))
        return noSpaceText(folder);
    return QStringLiteral("Cannot write %1: %2").arg(path, reason);
}

QString DiskSpace::writeFailure(const QString &path, int errorNumber)
{
    if (errorNumber == ENOSPC || errorNumber == EDQUOT)
        return noSpaceText(folderOf(path));
    return writeFailure(path, systemText(errorNumber));
}

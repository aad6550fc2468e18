// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/safefile.h"

#include "common/diskspace.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int NameAttempts = 32;

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("not a file");
}

QString linkRefusal(const QString &path)
{
    return QStringLiteral("%1 is a symbolic link; Klevar writes through none and left it as it "
                          "is.")
        .arg(path);
}

QString notAFile(const QString &path, const QString &kind)
{
    return QStringLiteral("%1 is %2, not a regular file; it was left as it is.").arg(path, kind);
}

// Why what stat() told of path may not be written (or, with forWriting false, read).
QString refusalOf(const QString &path, const struct stat &info, bool forWriting)
{
    if (forWriting && S_ISLNK(info.st_mode))
        return linkRefusal(path);
    if (!S_ISREG(info.st_mode))
        return notAFile(path, kindOf(info.st_mode));
    if (forWriting && info.st_uid != ::geteuid())
        return QStringLiteral("%1 belongs to another user; it was left as it is.").arg(path);
    return {};
}

bool refused(const QString &why, QString *error)
{
    if (why.isEmpty())
        return false;
    if (error)
        *error = why;
    return true;
}

// Why open() failed with failure: a link or a pipe that took the name after the look, or
// the system's reason.
QString openFailure(const QString &path, int failure, bool forWriting)
{
    if (failure == ELOOP)
        return linkRefusal(path);
    if (failure == ENXIO) // a pipe opened for writing without waiting for a reader
        return notAFile(path, kindOf(S_IFIFO));
    if (forWriting)
        return DiskSpace::writeFailure(path, failure);
    return QStringLiteral("Cannot read %1: %2")
        .arg(path, QString::fromLocal8Bit(std::strerror(failure)));
}

// The descriptor of path opened with flags, checked once it is open (a name may change
// between a look and an open), blocking again for the reads and writes; -1 otherwise,
// with *error and errno as the failure left them.
int openChecked(const QString &path, int flags, bool forWriting, QString *error)
{
    const QString before = forWriting ? SafeFile::writeRefusal(path) : SafeFile::readRefusal(path);
    if (refused(before, error)) {
        errno = EPERM;
        return -1;
    }
    flags |= O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (forWriting ? O_NOFOLLOW : 0);
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (fd < 0) {
        const int failure = errno;
        if (error)
            *error = openFailure(path, failure, forWriting);
        errno = failure;
        return -1;
    }
    struct stat info = {};
    const QString after = ::fstat(fd, &info) != 0
                              ? QStringLiteral("Cannot tell what %1 is.").arg(path)
                              : refusalOf(path, info, forWriting);
    if (refused(after, error)) {
        ::close(fd);
        errno = EPERM;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

int writeFlags(SafeFile::Write how)
{
    switch (how) {
    case SafeFile::Write::Append:
        return O_WRONLY | O_CREAT | O_APPEND;
    case SafeFile::Write::CreateNew:
        return O_WRONLY | O_CREAT | O_EXCL;
    case SafeFile::Write::Replace:
        break;
    }
    // Emptied only once it is known to be ours: O_TRUNC would act before the check.
    return O_WRONLY | O_CREAT;
}

bool writeAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC; // a write that takes nothing is a full disk
            return false;
        }
        done += n;
    }
    return true;
}

// A hidden name beside path that nothing holds yet, open as a new file; -1 otherwise.
int newHiddenBeside(const QString &path, QString *name, QString *error)
{
    const QFileInfo info(path);
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        *name = info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                QStringLiteral(".%1.new").arg(QRandomGenerator::global()->generate(), 8, 16,
                                              QLatin1Char('0'));
        const int fd = openChecked(*name, writeFlags(SafeFile::Write::CreateNew), true, error);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}
} // namespace

QString SafeFile::writeRefusal(const QString &path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {}; // nothing there; an open tells any other trouble
    return refusalOf(path, info, true);
}

QString SafeFile::readRefusal(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return refusalOf(path, info, false);
}

bool SafeFile::openForWriting(QFile &file, Write how, QString *error)
{
    const QString path = file.fileName();
    const int fd = openChecked(path, writeFlags(how), true, error);
    if (fd < 0)
        return false;
    if (how == Write::Replace && ::ftruncate(fd, 0) != 0) {
        if (error)
            *error = DiskSpace::writeFailure(path, errno);
        ::close(fd);
        return false;
    }
    const QIODevice::OpenMode mode =
        QIODevice::WriteOnly | QIODevice::Unbuffered |
        (how == Write::Append ? QIODevice::Append : QIODevice::NotOpen);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool SafeFile::openForReading(QFile &file, QString *error)
{
    const int fd = openChecked(file.fileName(), O_RDONLY, false, error);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

bool SafeFile::writeWhole(const QString &path, const QByteArray &data, QString *error)
{
    if (refused(writeRefusal(path), error))
        return false;
    struct stat old = {};
    const bool existed = ::lstat(QFile::encodeName(path).constData(), &old) == 0;
    QString hidden;
    const int fd = newHiddenBeside(path, &hidden, error);
    if (fd < 0)
        return false;
    const QByteArray hiddenName = QFile::encodeName(hidden);
    // The file keeps the permissions it had; a new one gets those the umask leaves.
    bool ok = (!existed || ::fchmod(fd, old.st_mode & 07777) == 0) && writeAll(fd, data) &&
              ::fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(hiddenName.constData(), QFile::encodeName(path).constData()) == 0)
        return true;
    if (error)
        *error = DiskSpace::writeFailure(path, ok ? errno : failure);
    ::unlink(hiddenName.constData());
    return false;
}

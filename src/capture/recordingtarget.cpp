// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/recordingtarget.h"

#include "common/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

RecordingTarget::~RecordingTarget()
{
    discard();
}

bool RecordingTarget::prepare(const QString &path)
{
    discard();
    m_error.clear();
    const QFileInfo info(path);
    m_target = info.absoluteFilePath();
    const QString folder = info.absolutePath();
    if (info.fileName().isEmpty() || info.isDir()) {
        m_error = QStringLiteral("\"%1\" is not a file name.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (!QFileInfo(folder).isDir()) {
        m_error = QStringLiteral("The folder %1 does not exist.").arg(folder);
        return false;
    }
    QTemporaryFile work(folder + QStringLiteral("/.") + info.fileName() +
                        QStringLiteral(".XXXXXX.part"));
    work.setAutoRemove(false);
    if (!work.open()) {
        m_error =
            QStringLiteral("Cannot write into the folder %1: %2").arg(folder, work.errorString());
        return false;
    }
    // A temporary file is private to its owner; a recording gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(work.handle(), 0666 & ~mask);
    m_work = work.fileName();
    return true;
}

QString RecordingTarget::folder() const
{
    return QFileInfo(m_target).absolutePath();
}

bool RecordingTarget::finish()
{
    if (m_work.isEmpty())
        return false;
    // The encoder wrote it by name: a link or a pipe put there meanwhile is no recording.
    m_error = SafeFile::writeRefusal(m_work);
    if (!m_error.isEmpty()) {
        m_work.clear();
        return false;
    }
    // rename(2) replaces the old file in one step: the name never points at nothing.
    if (std::rename(QFile::encodeName(m_work).constData(),
                    QFile::encodeName(m_target).constData()) != 0) {
        // The recording is kept where it is, and the user told where.
        m_error = QStringLiteral("Cannot save the recording as %1: %2. It was kept as %3.")
                      .arg(m_target, QString::fromLocal8Bit(std::strerror(errno)), m_work);
        m_work.clear();
        return false;
    }
    m_work.clear();
    return true;
}

QString RecordingTarget::keepHidden()
{
    const QString kept = m_work;
    m_work.clear();
    return kept;
}

void RecordingTarget::discard()
{
    if (!m_work.isEmpty())
        QFile::remove(m_work);
    m_work.clear();
}

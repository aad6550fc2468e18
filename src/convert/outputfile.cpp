// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/outputfile.h"

#include "common/safefile.h"
#include "convert/encoderfragments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr qsizetype NameMaxBytes = 255;
constexpr int FreeNameAttempts = 100;
const QString PartMark = QStringLiteral(".klevar-part");

// Drops characters from the end of the name until it fits, never half a letter.
QString fitting(QString base, const QString &rest)
{
    while (!base.isEmpty() && (base + rest).toUtf8().size() > NameMaxBytes) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    return base;
}

// Renames from to to unless to exists, in one step; false with errno otherwise.
bool renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    const int renamed =
        ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
    if (renamed == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the call: a new link fails as well when the name is taken.
    if (::link(source.constData(), target.constData()) != 0)
        return false;
    ::unlink(source.constData());
    return true;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}
} // namespace

OutputFile::OutputFile(const QString &finalPath)
    : m_final(finalPath), m_part(finalPath.isEmpty() ? QString() : partPathFor(finalPath))
{
}

QString OutputFile::partPathFor(const QString &finalPath)
{
    const QFileInfo info(finalPath);
    const QString suffix = info.suffix();
    const QString rest = PartMark + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    const QString base =
        QLatin1Char('.') + fitting(info.completeBaseName(), QLatin1Char('.') + rest);
    return info.dir().filePath(base + rest);
}

bool OutputFile::prepare()
{
    m_error = SafeFile::writeRefusal(m_part);
    if (!m_error.isEmpty())
        return false;
    QFile::remove(m_part);
    QFile part(m_part);
    return SafeFile::openForWriting(part, SafeFile::Write::CreateNew, &m_error);
}

bool OutputFile::isUsable() const
{
    const QFileInfo part(m_part);
    return SafeFile::writeRefusal(m_part).isEmpty() && part.isFile() && part.size() >= MinimumBytes;
}

bool OutputFile::commit(bool replace)
{
    m_error = SafeFile::writeRefusal(m_part);
    if (!m_error.isEmpty())
        return false;
    const QByteArray part = QFile::encodeName(m_part);
    // rename() replaces the old file in one step: there is no moment without either.
    if (replace ? std::rename(part.constData(), QFile::encodeName(m_final).constData()) == 0
                : renameNoReplace(m_part, m_final))
        return true;
    m_error = !replace && errno == EEXIST
                  ? QStringLiteral("%1 appeared meanwhile and was left as it is.").arg(m_final)
                  : QStringLiteral("The converted file could not be named %1: %2")
                        .arg(m_final, systemError());
    return false;
}

QString OutputFile::keepPartial()
{
    if (!isUsable()) {
        discard();
        return {};
    }
    const QFileInfo final(m_final);
    const QString extension = final.suffix().isEmpty() ? QString() : '.' + final.suffix();
    QString name = m_final;
    for (int attempt = 0; attempt < FreeNameAttempts; ++attempt) {
        if (renameNoReplace(m_part, name))
            return name;
        if (errno != EEXIST)
            break;
        name = EncoderFragments::outputPath(final.absolutePath(), name, extension, true);
    }
    m_error = QStringLiteral("What was converted stays in %1: %2").arg(m_part, systemError());
    return {};
}

void OutputFile::discard() const
{
    QFile::remove(m_part);
}

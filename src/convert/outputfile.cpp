// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/outputfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
constexpr qsizetype NameMaxBytes = 255;
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

void OutputFile::prepare() const
{
    QFile::remove(m_part);
}

bool OutputFile::isUsable() const
{
    const QFileInfo part(m_part);
    return part.isFile() && part.size() >= MinimumBytes;
}

bool OutputFile::commit(bool replace)
{
    m_error.clear();
    if (!replace && QFileInfo::exists(m_final)) {
        m_error = QStringLiteral("%1 appeared meanwhile and was left as it is.").arg(m_final);
        return false;
    }
    // rename() replaces the old file in one step: there is no moment without either.
    if (std::rename(QFile::encodeName(m_part).constData(),
                    QFile::encodeName(m_final).constData()) != 0) {
        m_error = QStringLiteral("The converted file could not be named %1: %2")
                      .arg(m_final, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

void OutputFile::discard() const
{
    QFile::remove(m_part);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/programfolder.h"

#include "common/appfolder.h"

#include <QDir>
#include <QFile>

ProgramFolder::ProgramFolder(bool withCatalogue, const QString &nameTemplate)
    : m_dir(nameTemplate.isEmpty() ? QDir::tempPath() + QStringLiteral("/klevar-XXXXXX")
                                   : QDir::tempPath() + QLatin1Char('/') + nameTemplate),
      m_previous(AppFolder())
{
    const QDir build(buildFolder());
    QStringList names = {QStringLiteral("fp.dll"), QStringLiteral("mp.dll"),
                         QStringLiteral("help.chm"), QStringLiteral("plus.jpg"),
                         QStringLiteral("loading.jpg"), QStringLiteral("skins")};
    if (withCatalogue)
        names << QStringLiteral("ct.s3db");
    for (const QString &name : names) {
        if (QFileInfo::exists(build.filePath(name)))
            QFile::link(build.filePath(name), m_dir.filePath(name));
    }
    QDir(m_dir.path()).mkdir(QStringLiteral("Cache"));
    setAppFolder(m_dir.path());
}

ProgramFolder::~ProgramFolder()
{
    setAppFolder(m_previous);
}

QString ProgramFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString ProgramFolder::file(const QString &name) const
{
    return m_dir.filePath(name);
}

QString ProgramFolder::buildFolder()
{
    return QStringLiteral(KLEVAR_BUILD_FOLDER);
}

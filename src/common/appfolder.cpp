// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/appfolder.h"

#include <QCoreApplication>

namespace {
QString &overriddenFolder()
{
    static QString folder;
    return folder;
}

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

QString AppFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return withSlash(QCoreApplication::applicationDirPath());
}

void setAppFolder(const QString &folder)
{
    overriddenFolder() = folder.isEmpty() ? QString() : withSlash(folder);
}

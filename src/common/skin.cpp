// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/skin.h"

#include "common/appfolder.h"
#include "common/safefile.h"

#include <QFile>
#include <QWidget>

void Skin::apply(QWidget *window)
{
    QFile file(AppFolder() + QStringLiteral("skins/frmmain.skn"));
    if (window && SafeFile::openForReading(file))
        window->setStyleSheet(QString::fromUtf8(file.readAll()));
}

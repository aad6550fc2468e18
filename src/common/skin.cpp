// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/skin.h"

#include "common/appfolder.h"

#include <QFile>
#include <QWidget>

void Skin::apply(QWidget *window)
{
    QFile file(AppFolder() + QStringLiteral("skins/frmmain.skn"));
    if (window && file.open(QIODevice::ReadOnly | QIODevice::Text))
        window->setStyleSheet(QString::fromUtf8(file.readAll()));
}

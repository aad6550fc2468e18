// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/classicons.h"

#include <QPixmapCache>

// The pictures are compiled into the program; a static library must pull its resource
// object in by name.
static void initClassIconResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(classicons);
        return true;
    }();
    Q_UNUSED(done);
}

QString ClassIcons::resourcePath(int number)
{
    return QStringLiteral(":/classes/%1.png").arg(number, 2, 10, QLatin1Char('0'));
}

QPixmap ClassIcons::pixmap(int number)
{
    if (!has(number))
        return {};
    initClassIconResources();
    QPixmap picture;
    const QString path = resourcePath(number);
    if (!QPixmapCache::find(path, &picture) && picture.load(path))
        QPixmapCache::insert(path, picture);
    return picture;
}

QIcon ClassIcons::icon(int number)
{
    const QPixmap picture = pixmap(number);
    return picture.isNull() ? QIcon() : QIcon(picture);
}

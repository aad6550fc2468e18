// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <utility>

// A watch page laid out as the site's pages were, with the details and the stream map
// the test chooses.
struct WatchPageFixture
{
    QString title = QStringLiteral("Big Buck Bunny");
    QString author = QStringLiteral("blender");
    QString id = QStringLiteral("YE7VzlLtp-4");
    QString published = QStringLiteral("May 29, 2008");
    QString category = QStringLiteral("Film &amp; Animation");
    QString description = QStringLiteral("A giant rabbit and three rodents.");
    QString thumbnail; // as the page writes it (escaped)
    QString length = QStringLiteral("596");
    QString rating = QStringLiteral("4.5");
    QString streamMap; // as the page writes it; empty: no map

    QString html() const;
    QByteArray bytes() const { return html().toUtf8(); }

    // A stream map as the site wrote it: each address escaped, then the whole list.
    static QString encodeMap(const QList<std::pair<int, QString>> &items);
    static QString escape(const QString &text);
};

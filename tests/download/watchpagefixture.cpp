// SPDX-License-Identifier: GPL-3.0-or-later
#include "watchpagefixture.h"

QString WatchPageFixture::escape(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toPercentEncoding());
}

QString WatchPageFixture::encodeMap(const QList<std::pair<int, QString>> &items)
{
    QStringList entries;
    for (const auto &[format, address] : items)
        entries << QString::number(format) + QLatin1Char('|') + escape(address);
    return escape(entries.join(QLatin1Char(',')));
}

QString WatchPageFixture::html() const
{
    QString page =
        QStringLiteral("<!DOCTYPE html>\n<html><head><title>%1 - YouTube</title>\n<script>\n"
                       "var swfArgs = {\"length_seconds\": \"%2\", ");
    page = page.arg(title, length);
    if (!streamMap.isEmpty())
        page += QStringLiteral("\"fmt_url_map\": \"%1\", ").arg(streamMap);
    page += QStringLiteral("\"rv.2.thumbnailUrl\": \"%1\", \"rv.2.title\": \"Other\"};\n")
                .arg(thumbnail);
    page += QStringLiteral("yt.setConfig({'VIDEO_ID': '%1', 'VIDEO_TITLE': '%2', "
                           "'SHOW_RATINGS': true});\n</script></head>\n<body>\n")
                .arg(id, title);
    page += QStringLiteral("<a href=\"/user/%1\" class=\"author\" "
                           "data-discoverbox-username=\"%1\" >%1</a>\n")
                .arg(author);
    page +=
        QStringLiteral("<span class=\"watch-video-added post-date\">%1</span>\n").arg(published);
    page += QStringLiteral("<a href=\"/videos\" onclick=\"_hbLink('VideoCategoryLink');\">%1</a>\n")
                .arg(category);
    page += QStringLiteral("<div class=\"watch-video-desc description\">\n<span >%1</span>\n"
                           "</div>\n")
                .arg(description);
    page += QStringLiteral("<div class=\"master-sprite ratingL ratingL-%1\" title=\"%1\"></div>\n"
                           "</body></html>\n")
                .arg(rating);
    return page;
}

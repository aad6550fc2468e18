// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/watchpage.h"

#include "common/rounding.h"
#include "download/markuptext.h"
#include "download/watchpagetext.h"

#include <QLocale>

#include <limits>
#include <optional>

namespace {
QString between(const QString &page, const char *start, const char *end)
{
    return WatchPageText::TextBetween(page, QString::fromUtf8(start), QString::fromUtf8(end));
}

// The description follows the first "<span >" inside its block.
QString afterSpan(const QString &text)
{
    const QString span = QStringLiteral("<span >");
    const qsizetype at = text.indexOf(span);
    return text.mid(at < 0 ? 6 : at + span.size());
}

// A format number as the stream map has always been read: blanks around it allowed, a
// fraction rounded half to even, and it must fit 16 bits.
std::optional<int> formatNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    const qint64 rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return int(rounded);
}
} // namespace

bool WatchPage::hasStreamMap(const QString &page)
{
    return !WatchPageText::StreamMapText(page).isEmpty();
}

VideoDetails WatchPage::shown(const VideoDetails &details)
{
    VideoDetails text = details;
    for (QString VideoDetails::*field :
         {&VideoDetails::VideoTitle, &VideoDetails::VideoAuthor, &VideoDetails::VideoPublished,
          &VideoDetails::VideoCategory, &VideoDetails::VideoDescription, &VideoDetails::VideoLength,
          &VideoDetails::VideoRating})
        text.*field = MarkupText::toPlain(details.*field);
    return text;
}

QString WatchPage::cleanTitle(const QString &title)
{
    QString clean = title;
    for (const QChar c : {u'/', u'\\', u'\'', u':', u'(', u')'})
        clean.remove(c);
    return clean;
}

bool WatchPage::ParseWatchPage(const QString &page, VideoDetails &details)
{
    details.VideoTitle = cleanTitle(between(page, "VIDEO_TITLE': '", "',"));
    details.VideoAuthor = between(page, "data-discoverbox-username=\"", "\" >");
    details.VideoId = between(page, "'VIDEO_ID': '", "'");
    details.VideoPublished = between(page, "watch-video-added post-date\">", "</span>");
    details.VideoCategory = between(page, "VideoCategoryLink');\">", "</a>");
    details.VideoDescription =
        afterSpan(between(page, "watch-video-desc description\">", "</span>"));

    const struct
    {
        const char *start;
        const char *end;
        QString VideoDetails::*field;
    } decoded[] = {
        {"rv.2.thumbnailUrl\": \"", "\",", &VideoDetails::ThumbnailUrl},
        {"length_seconds\": \"", "\",", &VideoDetails::VideoLength},
        {"master-sprite ratingL ratingL-", "\"", &VideoDetails::VideoRating},
    };
    for (const auto &pair : decoded) {
        const std::optional<QString> text =
            WatchPageText::URLDecode(between(page, pair.start, pair.end));
        if (!text)
            return false;
        details.*pair.field = *text;
    }
    return true;
}

QList<StreamQuality> WatchPage::GetURLs(const QString &page, StreamAddresses &addresses)
{
    QList<StreamQuality> found;
    const std::optional<QByteArray> map =
        WatchPageText::decodeBytes(WatchPageText::StreamMapText(page).toUtf8());
    if (!map)
        return found;
    for (const QByteArray &item : map->split(',')) {
        const qsizetype bar = item.indexOf('|');
        if (bar < 0)
            break;
        const std::optional<int> format = formatNumber(QString::fromUtf8(item.left(bar)));
        if (!format)
            break;
        if (const StreamQualityInfo *info = StreamQualities::byFormat(*format)) {
            addresses.at(info->quality) = item.mid(bar + 1);
            found.append(info->quality);
        }
    }
    return found;
}

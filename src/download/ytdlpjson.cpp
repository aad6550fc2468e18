// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/ytdlpjson.h"

#include "common/rounding.h"
#include "download/watchpage.h"
#include "download/watchpagetext.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

namespace {
QString text(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isString() ? value.toString() : QString();
}

QString firstText(const QJsonObject &object, std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        const QString value = text(object, key).trimmed();
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

double number(const QJsonObject &object, const char *key, double otherwise)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() ? value.toDouble() : otherwise;
}

// The forms end in "\z", not "$": "$" also matches before a last line end, and "m4a\n"
// would make a file name of two lines, "Referer\n" a header line of its own.
bool matches(const QString &value, const QRegularExpression &form)
{
    return form.match(value).hasMatch();
}

// A format id goes to yt-dlp as the value of "-f", where "+", "/", "[" and "," mean
// something: only ids of plain characters are used, never one that looks like an option.
bool isPlainId(const QString &id)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]{0,63}\\z"));
    return matches(id, form);
}

QString extension(const QString &ext)
{
    static const QRegularExpression form(QStringLiteral("^[a-z0-9]{1,8}\\z"));
    const QString lower = ext.toLower();
    return matches(lower, form) ? lower : QStringLiteral("mp4");
}

// Header lines are built from these: a name must be a token and a value must stay on its
// line.
QList<std::pair<QByteArray, QByteArray>> headers(const QJsonObject &object)
{
    static const QRegularExpression name(QStringLiteral("^[!#$%&'*+.^_`|~0-9A-Za-z-]{1,64}\\z"));
    QList<std::pair<QByteArray, QByteArray>> found;
    const QJsonObject given = object.value(QLatin1String("http_headers")).toObject();
    for (auto it = given.begin(); it != given.end(); ++it) {
        const QString value = it.value().toString();
        if (!it.value().isString() || !matches(it.key(), name) || value.size() > 4096 ||
            value.contains(u'\r') || value.contains(u'\n') || value.contains(QChar(0)))
            continue;
        found.append({it.key().toLatin1(), value.toUtf8()});
    }
    return found;
}

std::optional<YtDlpFormat> format(const QJsonObject &object)
{
    YtDlpFormat f;
    f.id = text(object, "format_id");
    f.url = QUrl(text(object, "url"), QUrl::StrictMode);
    if (!isPlainId(f.id) || !WatchPageText::isWebAddress(f.url))
        return std::nullopt;
    f.ext = extension(text(object, "ext"));
    f.protocol = text(object, "protocol");
    if (object.contains(QLatin1String("fragments")))
        f.protocol = QStringLiteral("fragments");
    const double height = number(object, "height", 0);
    f.height = height >= 1 && height < 100000 ? int(height) : 0;
    f.hasVideo = text(object, "vcodec") != QLatin1String("none");
    f.hasAudio = text(object, "acodec") != QLatin1String("none");
    const double bitrate = number(object, "tbr", 0);
    f.bitrate = bitrate > 0 && bitrate < 1e9 ? bitrate : 0;
    const double size = number(object, "filesize", number(object, "filesize_approx", -1));
    f.size = size >= 0 && size < 1e15 ? qint64(size) : -1;
    f.headers = headers(object);
    return f;
}

QString lengthText(double seconds)
{
    if (!(seconds >= 0 && seconds < 1e12))
        return QString();
    return QString::number(roundHalfEven(seconds));
}

QString ratingText(const QJsonObject &object)
{
    const double rating = number(object, "average_rating", -1);
    return rating >= 0 && rating < 1e6 ? QString::number(rating) : QString();
}

QString thumbnail(const QJsonObject &object)
{
    const QString single = text(object, "thumbnail");
    if (!single.isEmpty())
        return single;
    // The list is worst first, as the formats are.
    const QJsonArray all = object.value(QLatin1String("thumbnails")).toArray();
    for (qsizetype i = all.size() - 1; i >= 0; --i) {
        const QString url = text(all[i].toObject(), "url");
        if (!url.isEmpty())
            return url;
    }
    return QString();
}

QString categories(const QJsonObject &object)
{
    QStringList names;
    for (const QJsonValue &value : object.value(QLatin1String("categories")).toArray()) {
        if (value.isString())
            names.append(value.toString());
    }
    return names.isEmpty() ? text(object, "genre") : names.join(QStringLiteral(", "));
}
} // namespace

QString YtDlpJson::dateText(const QString &yyyymmdd)
{
    const QDate date = QDate::fromString(yyyymmdd, QStringLiteral("yyyyMMdd"));
    return date.isValid() ? QLocale::c().toString(date, QStringLiteral("MMM d, yyyy")) : QString();
}

std::optional<YtDlpVideo> YtDlpJson::parse(const QByteArray &bytes, QString *error)
{
    auto refuse = [error](const QString &why) -> std::optional<YtDlpVideo> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (bytes.size() > MaxBytes)
        return refuse(QStringLiteral("yt-dlp's description of the page is too large."));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (document.isNull())
        return refuse(QStringLiteral("yt-dlp's description of the page cannot be read: ") +
                      parseError.errorString());
    if (!document.isObject())
        return refuse(QStringLiteral("yt-dlp's description of the page is not an object."));
    const QJsonObject o = document.object();

    YtDlpVideo video;
    VideoDetails &d = video.details;
    d.VideoId = text(o, "id");
    d.VideoTitle = WatchPage::cleanTitle(text(o, "title"));
    d.VideoAuthor = firstText(o, {"uploader", "channel", "creator", "uploader_id"});
    d.VideoPublished = dateText(firstText(o, {"upload_date", "release_date"}));
    d.VideoCategory = categories(o);
    d.VideoLength = lengthText(number(o, "duration", -1));
    d.VideoRating = ratingText(o);
    d.VideoDescription = text(o, "description");
    d.ThumbnailUrl = thumbnail(o);
    video.pageUrl = QUrl(text(o, "webpage_url"), QUrl::StrictMode);

    const QJsonValue list = o.value(QLatin1String("formats"));
    // A page with one stream may describe it at the top instead of in a list.
    const QJsonArray formats = list.isArray() ? list.toArray() : QJsonArray{o};
    for (const QJsonValue &value : formats) {
        if (const std::optional<YtDlpFormat> f = format(value.toObject()))
            video.formats.append(*f);
    }
    return video;
}

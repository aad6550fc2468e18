// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/watchpagetext.h"

#include <QRegularExpression>

#include <cstring>

namespace {
int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Blanks, control bytes, bytes past ASCII and the few a URL never holds as they are,
// written as "%XX"; everything else, "%" included, stays as it is.
QByteArray escapeForUrl(const QByteArray &bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray escaped;
    escaped.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u >= 0x7f || std::strchr("\"<>\\^`{|}", c)) {
            escaped += '%';
            escaped += hex[u >> 4];
            escaped += hex[u & 15];
        } else {
            escaped += c;
        }
    }
    return escaped;
}
} // namespace

QString WatchPageText::TextBetween(const QString &source, const QString &startMarker,
                                   const QString &endMarker)
{
    // Positions as the page has always been read: a missing start marker (found at
    // "0") leaves the search at the marker's length.
    const qsizetype found = source.indexOf(startMarker);
    const qsizetype start = (found < 0 ? 0 : found) + startMarker.size();
    if (start > source.size())
        return QString();
    const qsizetype end = source.indexOf(endMarker, start);
    if (end < 0)
        return QString();
    return source.mid(start, end - start);
}

QString WatchPageText::FirstSubMatch(const QString &text, const QString &pattern)
{
    const QRegularExpression expression(pattern);
    const QRegularExpressionMatch match = expression.match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString WatchPageText::StreamMapText(const QString &page)
{
    const QString quote = QStringLiteral("\"");
    return FirstSubMatch(page, quote + QStringLiteral("fmt_url_map") + quote +
                                   QStringLiteral(": ") + quote + QStringLiteral("([^\"]+)"));
}

std::optional<QByteArray> WatchPageText::decodeBytes(const QByteArray &text)
{
    QByteArray result;
    result.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = text[i];
        if (c == '+') {
            result += ' ';
        } else if (c != '%') {
            result += c;
        } else if (i + 2 < size) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            result += char(high * 16 + low);
            i += 2;
        }
        // A "%" too near the end is dropped; what follows it is kept as it is.
    }
    return result;
}

std::optional<QString> WatchPageText::URLDecode(const QString &text)
{
    const std::optional<QByteArray> bytes = decodeBytes(text.toUtf8());
    if (!bytes)
        return std::nullopt;
    return QString::fromUtf8(*bytes);
}

QUrl WatchPageText::streamUrl(const QByteArray &storedAddress)
{
    const std::optional<QByteArray> decoded = decodeBytes(storedAddress);
    if (!decoded)
        return QUrl();
    // Bytes a URL cannot carry as they are go out escaped, so every byte reaches the
    // server as the site wrote it.
    const QByteArray escaped = escapeForUrl(decoded->trimmed());
    const QUrl url = QUrl::fromEncoded(escaped, QUrl::TolerantMode);
    return isWebAddress(url) ? url : QUrl();
}

bool WatchPageText::isWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// The text functions the downloader reads a watch page with. The page is matched as the
// site laid it out: fixed markers, one regular expression, no HTML or JSON parser.
class WatchPageText
{
public:
    // The text after the first startMarker up to the next endMarker; empty when no end
    // marker follows. A missing start marker searches from its length on, as the
    // downloader always has.
    static QString TextBetween(const QString &source, const QString &startMarker,
                               const QString &endMarker);
    // The first capture group of the first match, or an empty text.
    static QString FirstSubMatch(const QString &text, const QString &pattern);
    // The raw value of the page's "fmt_url_map" entry.
    static QString StreamMapText(const QString &page);

    // "+" becomes a blank and "%XX" the byte XX; a "%" with fewer than two characters
    // after it is dropped. Nothing when two characters after a "%" are not hexadecimal.
    // Works on bytes, so an address decoded twice is still the address the site sent.
    static std::optional<QByteArray> decodeBytes(const QByteArray &text);
    // The same for a text; the decoded bytes are read as UTF-8.
    static std::optional<QString> URLDecode(const QString &text);

    // The address a quality button requests for a stored stream address: decoded once
    // more, blanks around it removed, anything a URL cannot hold escaped. Empty when
    // it cannot be decoded or is not an http or https address (a page must never hand
    // the player an option or the downloader a local file).
    static QUrl streamUrl(const QByteArray &storedAddress);
    // Whether the address may be fetched or played: http or https with a host.
    static bool isWebAddress(const QUrl &url);
};

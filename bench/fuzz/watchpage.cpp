// SPDX-License-Identifier: GPL-3.0-or-later
// A watch page in the old layout: the details between their markers, the stream map,
// the addresses the quality buttons would fetch, and the markup turned into text.
#include "fuzzinput.h"

#include "download/markuptext.h"
#include "download/streamquality.h"
#include "download/watchpage.h"
#include "download/watchpagetext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString page = QString::fromUtf8(bytes);

    VideoDetails details;
    WatchPage::ParseWatchPage(page, details);
    (void)WatchPage::shown(details);
    const QString title = WatchPage::cleanTitle(details.VideoTitle);
    for (const char banned : {'/', '\\', '\'', ':', '(', ')'})
        FUZZ_EXPECT(!title.contains(QLatin1Char(banned)));
    (void)MarkupText::toPlain(page);

    (void)WatchPage::hasStreamMap(page);
    StreamAddresses addresses;
    for (const StreamQuality quality : WatchPage::GetURLs(page, addresses)) {
        const QUrl url = WatchPageText::streamUrl(addresses.at(quality));
        // Nothing but a web address ever reaches the player or the downloader.
        FUZZ_EXPECT(url.isEmpty() || WatchPageText::isWebAddress(url));
    }
    FUZZ_EXPECT(WatchPageText::streamUrl(bytes).isEmpty() ||
                WatchPageText::isWebAddress(WatchPageText::streamUrl(bytes)));

    // Decoding undoes the site's escaping, whatever the bytes were.
    FUZZ_EXPECT(WatchPageText::decodeBytes(bytes.toPercentEncoding()) == bytes);
    (void)WatchPageText::URLDecode(page);
    (void)WatchPageText::FirstSubMatch(page, QStringLiteral("<title>([^<]*)</title>"));
    const qsizetype half = page.size() / 2;
    (void)WatchPageText::TextBetween(page, page.left(half % 9), page.mid(half, 3));
    return 0;
}

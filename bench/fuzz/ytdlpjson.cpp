// SPDX-License-Identifier: GPL-3.0-or-later
// yt-dlp's JSON description of a page, and the format each quality button would take.
#include "fuzzinput.h"

#include "download/formatchoice.h"
#include "download/streamquality.h"
#include "download/watchpagetext.h"
#include "download/ytdlpjson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    QString error;
    const auto video = YtDlpJson::parse(bytes, &error);
    FUZZ_EXPECT(video || !error.isEmpty());
    (void)YtDlpJson::dateText(QString::fromUtf8(bytes.left(12)));
    if (!video)
        return 0;
    for (const YtDlpFormat &format : video->formats) {
        FUZZ_EXPECT(format.url.isEmpty() || WatchPageText::isWebAddress(format.url));
        for (const QChar c : format.ext)
            FUZZ_EXPECT(c.isLetterOrNumber());
    }
    for (const StreamQualityInfo &info : StreamQualities::all()) {
        const auto choice = FormatChoice::choose(video->formats, info.quality);
        if (!choice)
            continue;
        // The selector goes to yt-dlp as one argument: never an option of its own.
        const QString selector = choice->selector();
        FUZZ_EXPECT(!selector.startsWith(QLatin1Char('-')));
        (void)choice->extension();
        (void)choice->isPlainFile();
    }
    return 0;
}

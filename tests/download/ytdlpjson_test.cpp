// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/formatchoice.h"
#include "download/markuptext.h"
#include "download/ytdlpjson.h"

#include <gtest/gtest.h>

namespace {
std::optional<YtDlpVideo> parse(const QByteArray &json, QString *error = nullptr)
{
    return YtDlpJson::parse(json, error);
}

YtDlpFormat format(const char *id, int height, bool video, bool audio, const char *ext = "mp4",
                   double bitrate = 0, const char *protocol = "https")
{
    YtDlpFormat f;
    f.id = QString::fromLatin1(id);
    f.url = QUrl(QStringLiteral("https://cdn.example/") + f.id);
    f.height = height;
    f.hasVideo = video;
    f.hasAudio = audio;
    f.ext = QString::fromLatin1(ext);
    f.bitrate = bitrate;
    f.protocol = QString::fromLatin1(protocol);
    return f;
}

// Each button's choice as "selector ext", or "-" when it stays disabled.
QStringList choices(const QList<YtDlpFormat> &formats)
{
    QStringList found;
    for (const StreamQualityInfo &info : StreamQualities::all()) {
        const std::optional<FormatChoice> c = FormatChoice::choose(formats, info.quality);
        found << (c ? c->selector() + ' ' + c->extension() + (c->isPlainFile() ? "" : " yt-dlp")
                    : QStringLiteral("-"));
    }
    return found;
}
} // namespace

TEST(YtDlpJson, DetailsInTheWindowsWords)
{
    const auto video = parse(R"({"id": "abc", "title": "Rock (Live): AC/DC's <b>best</b>",
        "uploader": null, "channel": "Chan", "upload_date": "20080529",
        "categories": ["Music", 7, "Film & Animation"], "duration": 596.5,
        "average_rating": 4.5, "description": "one &amp; two",
        "thumbnails": [{"url": "http://t/small.jpg"}, {"url": "http://t/big.jpg"}],
        "webpage_url": "https://site.example/watch?v=abc", "formats": []})");
    ASSERT_TRUE(video);
    const VideoDetails &d = video->details;
    EXPECT_EQ(d.VideoId, "abc");
    EXPECT_EQ(d.VideoTitle, "Rock Live ACDCs <b>best<b>"); // cleaned as the old titles were
    EXPECT_EQ(d.VideoAuthor, "Chan");
    EXPECT_EQ(d.VideoPublished, "May 29, 2008");
    EXPECT_EQ(d.VideoCategory, "Music, Film & Animation");
    EXPECT_EQ(d.VideoLength, "596"); // half to even
    EXPECT_EQ(d.VideoRating, "4.5");
    EXPECT_EQ(d.VideoDescription, "one &amp; two"); // plain text, kept as written
    EXPECT_EQ(d.ThumbnailUrl, "http://t/big.jpg");
    EXPECT_EQ(video->pageUrl, QUrl("https://site.example/watch?v=abc"));

    const auto bare = parse(R"({"title": 5, "duration": "long", "average_rating": null,
                                "upload_date": "2008-05-29"})");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->details.VideoTitle, "");
    EXPECT_EQ(bare->details.VideoLength, "");
    EXPECT_EQ(bare->details.VideoRating, "");
    EXPECT_EQ(bare->details.VideoPublished, "");
}

TEST(YtDlpJson, FormatsAreNarrowedToWhatIsSafeToUse)
{
    const auto video = parse(R"({"formats": [
        {"format_id": "18", "url": "https://cdn/18", "ext": "MP4", "height": 360,
         "vcodec": "avc1", "acodec": "mp4a", "protocol": "https", "tbr": 500.5,
         "filesize_approx": 1000,
         "http_headers": {"Referer": "https://site/", "Bad\nName": "x",
                          "X-Split": "a\r\nInjected: yes", "X-Number": 5}},
        {"format_id": "-o/etc/x", "url": "https://cdn/opt"},
        {"format_id": "1+2", "url": "https://cdn/plus"},
        {"format_id": "local", "url": "file:///etc/passwd"},
        {"format_id": "137", "url": "https://cdn/137.m3u8", "ext": "unknown_video",
         "vcodec": "avc1", "acodec": "none", "protocol": "m3u8_native", "height": -5},
        {"format_id": "frag", "url": "https://cdn/f", "fragments": [], "protocol": "https"}
    ]})");
    ASSERT_TRUE(video);
    ASSERT_EQ(video->formats.size(), 3);
    const YtDlpFormat &f = video->formats[0];
    EXPECT_EQ(f.id, "18");
    EXPECT_EQ(f.ext, "mp4");
    EXPECT_EQ(f.height, 360);
    EXPECT_TRUE(f.hasVideo && f.hasAudio);
    EXPECT_EQ(f.size, 1000);
    EXPECT_TRUE(f.isPlainFile());
    ASSERT_EQ(f.headers.size(), 1);
    EXPECT_EQ(f.headers[0], std::make_pair(QByteArray("Referer"), QByteArray("https://site/")));
    const YtDlpFormat &hls = video->formats[1];
    EXPECT_EQ(hls.id, "137");
    EXPECT_EQ(hls.ext, "mp4");
    EXPECT_EQ(hls.height, 0);
    EXPECT_FALSE(hls.hasAudio);
    EXPECT_FALSE(hls.isPlainFile());
    EXPECT_FALSE(video->formats[2].isPlainFile()); // pieces, though over https

    // A line end after a value that is safe without it, as fuzzing found them.
    const auto endings = parse(R"({"formats": [
        {"format_id": "18\n", "url": "https://cdn/a"},
        {"format_id": "22", "url": "https://cdn/b", "ext": "m4a\n",
         "http_headers": {"Referer\n": "https://site/"}}]})");
    ASSERT_TRUE(endings);
    ASSERT_EQ(endings->formats.size(), 1);
    EXPECT_EQ(endings->formats[0].ext, "mp4");
    EXPECT_TRUE(endings->formats[0].headers.isEmpty());

    // A page of one stream describes it at the top.
    const auto single = parse(R"({"format_id": "0", "url": "http://h/v.webm", "ext": "webm"})");
    ASSERT_TRUE(single);
    ASSERT_EQ(single->formats.size(), 1);
    EXPECT_EQ(single->formats[0].ext, "webm");
}

TEST(YtDlpJson, WhatIsNoDescriptionIsRefusedWithAReason)
{
    for (const QByteArray &bad : {QByteArray(), QByteArray("{\"title\": "), QByteArray("[1, 2]"),
                                  QByteArray("WARNING: x\n{}"), QByteArray("\"text\"")}) {
        QString error;
        EXPECT_FALSE(parse(bad, &error)) << bad.constData();
        EXPECT_TRUE(error.startsWith("yt-dlp's description of the page")) << error.toStdString();
    }
}

TEST(FormatChoice, EachButtonTakesTheNearestHeightPreferringOneFile)
{
    struct Case
    {
        const char *what;
        QList<YtDlpFormat> formats;
        QStringList expected; // Get MP4, Get HD Low, Get HD High, Get FLV
    };
    const QList<Case> cases = {
        {"four sizes of whole files",
         {format("a", 240, true, true), format("b", 360, true, true),
          format("c", 480, true, true, "webm"), format("d", 720, true, true)},
         {"d mp4", "b mp4", "c webm", "a mp4"}},
        {"nothing near 360 or 480: those buttons stay disabled",
         {format("small", 144, true, true), format("big", 1080, true, true)},
         {"big mp4", "-", "-", "small mp4"}},
        {"a whole file wins over a nearer picture without sound",
         {format("v700", 700, true, false),
          format("w720", 720, true, true, "mp4", 0, "m3u8_native")},
         {"w720 mp4 yt-dlp", "-", "-", "-"}},
        {"picture and sound apart are joined, in the container both fit",
         {format("aud", 0, false, true, "m4a", 128), format("aud2", 0, false, true, "webm", 64),
          format("v", 720, true, false), format("vw", 480, true, false, "webm")},
         {"v+aud mp4 yt-dlp", "-", "vw+aud mkv yt-dlp", "-"}},
        {"equal heights: the higher bitrate, then yt-dlp's later one",
         {format("lo", 360, true, true, "mp4", 100), format("hi", 360, true, true, "mp4", 900),
          format("same", 360, true, true, "mp4", 900)},
         {"-", "same mp4", "-", "-"}},
        {"unknown heights go to Get MP4, the best of them last",
         {format("x", 0, true, true), format("y", 0, true, true, "webm")},
         {"y webm", "-", "-", "-"}},
        {"only sound: no button", {format("aud", 0, false, true, "m4a")}, {"-", "-", "-", "-"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(choices(c.formats), c.expected) << c.what;
}

TEST(MarkupText, ShownAsABrowserShowsIt)
{
    const QList<std::pair<const char *, const char *>> cases = {
        {"Film &amp; Animation", "Film & Animation"},
        {"line one<br>line two<BR/>three<br />\nfour", "line one\nline two\nthree\nfour"},
        {"<a href=\"x\">link</a> and <b>bold</b>", "link and bold"},
        {"&lt;script&gt;&quot;&#39;&#x41;&#8364;&nbsp;", "<script>\"'A€ "},
        {"a < b and c > d", "a < b and c > d"},
        {"&unknown; &amp &#0; &#x110000;", "&unknown; &amp \xEF\xBF\xBD \xEF\xBF\xBD"},
        {"unclosed <b tag", "unclosed <b tag"},
        {"tab\tand\r\nbreak", "tab\tand\r\nbreak"},
    };
    for (const auto &[html, text] : cases)
        EXPECT_EQ(MarkupText::toPlain(QString::fromUtf8(html)), QString::fromUtf8(text)) << html;
}

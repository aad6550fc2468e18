// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/safefilename.h"
#include "download/watchpage.h"
#include "download/watchpagetext.h"
#include "watchpagefixture.h"

#include <gtest/gtest.h>

namespace {
QString decoded(const QString &text)
{
    return WatchPageText::URLDecode(text).value_or(QStringLiteral("<error>"));
}
} // namespace

TEST(UrlDecode, PlusPercentAndTheEnds)
{
    EXPECT_EQ(decoded("a+b+c"), "a b c");
    EXPECT_EQ(decoded("%20%41%2B%2b"), " A++");
    EXPECT_EQ(decoded("%2B+"), "+ "); // a decoded plus stays a plus
    EXPECT_EQ(decoded("100%"), "100");
    EXPECT_EQ(decoded("ab%4"), "ab4"); // one character after it: the "%" goes, the rest stays
    EXPECT_EQ(decoded(""), "");
    EXPECT_EQ(decoded("%zz"), "<error>");
    EXPECT_EQ(decoded("%4g"), "<error>");
    // UTF-8 sequences come back as the one character they encode, whatever the length.
    EXPECT_EQ(decoded("caf%C3%A9"), QString::fromUtf8("café"));
    const QString longText = QString(40000, u'x') + "%41";
    EXPECT_EQ(decoded(longText), QString(40000, u'x') + "A");
    EXPECT_EQ(WatchPageText::decodeBytes("%00%FF"), QByteArray("\0\xff", 2));
}

TEST(UrlDecode, StreamAddressesKeepTheirBytesAndMustBeWebAddresses)
{
    // Decoded a second time, as a button does, blanks trimmed, bytes escaped again.
    EXPECT_EQ(
        WatchPageText::streamUrl(" http%3A%2F%2Fhost%2Fv%3Fid%3D1%26sig%3DA%252B ").toEncoded(),
        "http://host/v?id=1&sig=A%2B");
    EXPECT_EQ(WatchPageText::streamUrl("http://host/caf%C3%A9 x").toEncoded(),
              "http://host/caf%C3%A9%20x");
    EXPECT_EQ(WatchPageText::streamUrl("http://host/%E9").toEncoded(), "http://host/%E9");
    EXPECT_TRUE(WatchPageText::streamUrl("file:///etc/passwd").isEmpty());
    EXPECT_TRUE(WatchPageText::streamUrl("-vo null").isEmpty());
    EXPECT_TRUE(WatchPageText::streamUrl("http://host/%zz").isEmpty());
    EXPECT_TRUE(WatchPageText::streamUrl("").isEmpty());
}

TEST(TextBetween, FirstStartThenNextEnd)
{
    EXPECT_EQ(WatchPageText::TextBetween("a[x]b[y]", "[", "]"), "x");
    EXPECT_EQ(WatchPageText::TextBetween("<b>one</b><b>two</b>", "<b>", "</b>"), "one");
    EXPECT_EQ(WatchPageText::TextBetween("[x", "[", "]"), "");
    EXPECT_EQ(WatchPageText::TextBetween("[]x]", "[", "]"), "");
    EXPECT_EQ(WatchPageText::TextBetween("a[x]", "A[", "]"), "x"); // case matters: no start
    // No start marker: the search begins at the marker's length.
    EXPECT_EQ(WatchPageText::TextBetween("abcd|efg|", "xyz", "|"), "d");
    EXPECT_EQ(WatchPageText::TextBetween("ab", "xyzw", "|"), "");
}

TEST(StreamMap, FirstEntryUpToTheQuote)
{
    EXPECT_EQ(WatchPageText::StreamMapText("x \"fmt_url_map\": \"22%7Ca\", \"fmt_url_map\": \"b\""),
              "22%7Ca");
    EXPECT_EQ(WatchPageText::StreamMapText("\"fmt_url_map\":\"22\""), "");
    EXPECT_EQ(WatchPageText::FirstSubMatch("key=42;", "key=(\\d+)"), "42");
    EXPECT_EQ(WatchPageText::FirstSubMatch("KEY=42;", "key=(\\d+)"), "");
}

TEST(GetUrls, KnownFormatsStoredUnknownIgnoredOthersKept)
{
    StreamAddresses stored;
    stored.HdLowUrl = "http://old/34";
    WatchPageFixture page;
    page.streamMap = WatchPageFixture::encodeMap(
        {{22, "http://h/v?itag=22&a=1,2"}, {5, "http://h/v?itag=5"}, {99, "http://h/99"}});
    const QList<StreamQuality> found = WatchPage::GetURLs(page.html(), stored);
    EXPECT_EQ(found, QList<StreamQuality>({StreamQuality::Mp4, StreamQuality::Flv}));
    EXPECT_EQ(WatchPageText::streamUrl(stored.Mp4Url).toString(), "http://h/v?itag=22&a=1,2");
    EXPECT_EQ(WatchPageText::streamUrl(stored.FlvUrl).toString(), "http://h/v?itag=5");
    EXPECT_EQ(stored.HdLowUrl, "http://old/34");
    EXPECT_TRUE(stored.HdHighUrl.isEmpty());

    // A later entry of a format wins; a broken entry ends the reading.
    StreamAddresses later;
    EXPECT_EQ(
        WatchPage::GetURLs("\"fmt_url_map\": \"35|a,35|b, 34 |c,x|d,5|e\"", later),
        QList<StreamQuality>({StreamQuality::HdHigh, StreamQuality::HdHigh, StreamQuality::HdLow}));
    EXPECT_EQ(later.HdHighUrl, "b");
    EXPECT_EQ(later.HdLowUrl, "c");
    EXPECT_TRUE(later.FlvUrl.isEmpty());
    StreamAddresses none;
    EXPECT_TRUE(WatchPage::GetURLs("\"fmt_url_map\": \"22|a,5\"", none).size() == 1);
    EXPECT_TRUE(WatchPage::GetURLs("\"fmt_url_map\": \"99999|a\"", none).isEmpty());
    EXPECT_TRUE(WatchPage::GetURLs("\"fmt_url_map\": \"5|a%zz\"", none).isEmpty());
    EXPECT_TRUE(none.FlvUrl.isEmpty());
    WatchPageFixture noMap;
    EXPECT_TRUE(WatchPage::GetURLs(noMap.html(), none).isEmpty());
}

TEST(ParseWatchPage, NineMarkersCleanedAndDecoded)
{
    WatchPageFixture page;
    page.title = "Don't Stop: Live (2010) AC/DC \\ remix";
    page.thumbnail = "http%3A%2F%2Fi.host%2Fvi%2Fx%2Fdefault.jpg";
    page.length = "2%31%32";
    page.rating = "4.5";
    VideoDetails d;
    EXPECT_TRUE(WatchPage::ParseWatchPage(page.html(), d));
    EXPECT_EQ(d.VideoTitle, "Dont Stop Live 2010 ACDC  remix");
    EXPECT_EQ(d.VideoAuthor, "blender");
    EXPECT_EQ(d.VideoId, "YE7VzlLtp-4");
    EXPECT_EQ(d.VideoPublished, "May 29, 2008");
    EXPECT_EQ(d.VideoCategory, "Film &amp; Animation");
    EXPECT_EQ(d.VideoDescription, "A giant rabbit and three rodents.");
    EXPECT_EQ(d.ThumbnailUrl, "http://i.host/vi/x/default.jpg");
    EXPECT_EQ(d.VideoLength, "212");
    EXPECT_EQ(d.VideoRating, "4.5");

    // A decoding error in the length ends the reading: the rating keeps its old value.
    page.length = "%zz";
    page.rating = "3.0";
    page.title = "Second";
    EXPECT_FALSE(WatchPage::ParseWatchPage(page.html(), d));
    EXPECT_EQ(d.VideoTitle, "Second");
    EXPECT_EQ(d.VideoLength, "212");
    EXPECT_EQ(d.VideoRating, "4.5");

    // The description without "<span >" keeps its text from the seventh character.
    VideoDetails bare;
    WatchPage::ParseWatchPage("watch-video-desc description\">123456789</span>", bare);
    EXPECT_EQ(bare.VideoDescription, "789");
    // A page with none of the markers: empty fields, no crash.
    VideoDetails empty;
    EXPECT_TRUE(WatchPage::ParseWatchPage(QString(), empty));
    EXPECT_TRUE(empty.VideoTitle.isEmpty() && empty.VideoId.isEmpty());
}

TEST(SafeFileName, PlainBoundedAndNeverEmpty)
{
    EXPECT_EQ(SafeFileName::make("My Video", ".mp4", "id"), "My Video.mp4");
    EXPECT_EQ(SafeFileName::make("a/b\tc\nd\x01"
                                 "e",
                                 ".flv", "id"),
              "abcde.flv");
    EXPECT_EQ(SafeFileName::make(QString("a") + QChar(0) + "b", ".flv", "id"), "ab.flv");
    EXPECT_EQ(SafeFileName::make("--rm -rf", ".mp4", "id"), "rm -rf.mp4");
    EXPECT_EQ(SafeFileName::make("..", "_HD.flv", "id"), "id_HD.flv");
    EXPECT_EQ(SafeFileName::make(" . ", ".mp4", "../x"), "x.mp4");
    EXPECT_EQ(SafeFileName::make("", ".mp4", ""), "video.mp4");
    EXPECT_EQ(SafeFileName::make("", ".mp4", "/"), "video.mp4");
    EXPECT_EQ(SafeFileName::make(QString::fromUtf8("Café $HOME;'x'"), ".mp4", "id"),
              QString::fromUtf8("Café $HOME;'x'.mp4"));

    // Long names are cut on a character boundary so "name.part" still fits 255 bytes.
    const QString euro = QString::fromUtf8("€"); // three bytes
    const QString name = SafeFileName::make(euro.repeated(200), "_Full_HD.flv", "id");
    EXPECT_LE(name.toUtf8().size() + 5, 255);
    EXPECT_GT(name.toUtf8().size() + 5, 250);
    EXPECT_TRUE(name.endsWith("_Full_HD.flv"));
    EXPECT_EQ(name.left(name.size() - 12), euro.repeated(name.size() - 12));
    const QString emoji = QString::fromUtf8("😀"); // four bytes, two UTF-16 units
    const QString cut = SafeFileName::make(emoji.repeated(100), ".mp4", "id");
    EXPECT_FALSE(cut.at(cut.size() - 5).isHighSurrogate());
    EXPECT_EQ(cut.toUtf8().size(), 4 * 61 + 4);

    EXPECT_TRUE(SafeFileName::isPlainName("abc.jpg"));
    EXPECT_FALSE(SafeFileName::isPlainName("../abc.jpg"));
    EXPECT_FALSE(SafeFileName::isPlainName(".jpg"));
    EXPECT_FALSE(SafeFileName::isPlainName("a/b.jpg"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/downloadprogress.h"
#include "download/inettransfer.h"
#include "download/streamdownload.h"
#include "download/transferrate.h"
#include "fixtureserver.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
using Route = FixtureServer::Route;

QByteArray stream(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct Download : ::testing::Test
{
    FixtureServer server;
    QTemporaryDir dir;
    StreamDownload download;
    QList<int> percents;
    QStringList statuses;
    bool ok = false;
    QString error;

    void SetUp() override
    {
        QObject::connect(&download, &StreamDownload::percentChanged,
                         [this](int p) { percents << p; });
        QObject::connect(download.transfer(), &InetTransfer::statusChanged,
                         [this](const QString &s) { statuses << s; });
    }
    QString folder() const { return dir.path() + "/"; }
    QString file(const QString &name) const { return dir.filePath(name); }

    void run(const QByteArray &path, const QString &name = "clip.mp4")
    {
        percents.clear();
        QSignalSpy done(&download, &StreamDownload::finished);
        ASSERT_TRUE(download.DownloadStream(server.url(path), folder(), name));
        ASSERT_TRUE(done.wait(20000));
        ok = done.first()[0].toBool();
        error = done.first()[1].toString();
    }
    Route body(const QByteArray &bytes)
    {
        Route r;
        r.body = bytes;
        return r;
    }
};
} // namespace

TEST(DownloadProgress, PiecesOf1024AndSixtyFourBitSizes)
{
    DownloadProgress p;
    p.start(0, 3000);
    EXPECT_EQ(p.add(3000), QList<int>({34, 68, 100}));
    p.start(0, 512);
    EXPECT_EQ(p.add(512), QList<int>({100}));
    p.start(0, 0);
    EXPECT_TRUE(p.add(0).isEmpty());
    p.start(0, -1);
    EXPECT_TRUE(p.add(5000).isEmpty());
    EXPECT_EQ(p.received(), 5000);

    const qint64 big = qint64(6) << 30; // 6 GiB
    p.start(big / 2, big);
    EXPECT_EQ(p.add(1024), QList<int>({50}));
    EXPECT_EQ(p.received(), big / 2 + 1024);
    EXPECT_EQ(DownloadProgress::percent(big - 1, big), 100);
    EXPECT_EQ(DownloadProgress::percent(big / 200, big), 0); // 0.5 rounds to even
    EXPECT_EQ(DownloadProgress::percentText(34), "34 % ");
    EXPECT_EQ(DownloadProgress::amountText(512), "512 bytes");
    EXPECT_EQ(DownloadProgress::amountText(qint64(12.4 * 1024 * 1024)), "12.4 MB");
    EXPECT_EQ(DownloadProgress::amountText(big / 4), "1.50 GB");
}

TEST(TransferRate, SpeedOverTheLastSecondsAndTimeLeft)
{
    TransferRate rate;
    EXPECT_EQ(rate.text(1000), "");
    rate.sample(0, 0);
    rate.sample(1000, 1 << 20);
    EXPECT_DOUBLE_EQ(rate.bytesPerSecond(), 1 << 20);
    EXPECT_EQ(rate.secondsLeft(11 << 20), 10);
    EXPECT_EQ(rate.text(11 << 20), "1.00 MB/s, 0:00:10 left");
    EXPECT_EQ(rate.text(-1), "1.00 MB/s");
    // A stall: the old burst leaves the window and the speed falls to nothing.
    for (int t = 1250; t <= 6000; t += 250)
        rate.sample(t, 1 << 20);
    EXPECT_EQ(rate.bytesPerSecond(), 0);
    EXPECT_EQ(rate.secondsLeft(11 << 20), -1);
}

TEST_F(Download, KnownLengthShowsEachPercentAndEndsUnderTheFinalName)
{
    const QByteArray bytes = stream(3000);
    server.route("/s", body(bytes));
    run("/s");
    EXPECT_TRUE(ok) << error.toStdString();
    EXPECT_EQ(contents(file("clip.mp4")), bytes);
    EXPECT_FALSE(QFile::exists(file("clip.mp4.part")));
    EXPECT_EQ(percents.last(), 100);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(server.requests.last().headers.value("accept-encoding"), "identity");
    EXPECT_FALSE(server.requests.last().headers.contains("range"));
    EXPECT_TRUE(statuses.contains("Receiving Response.."));
    EXPECT_EQ(statuses.last(), "Response received.");

    server.route("/empty", body(QByteArray()));
    run("/empty", "empty.flv");
    EXPECT_TRUE(ok);
    EXPECT_EQ(contents(file("empty.flv")), QByteArray());
    EXPECT_TRUE(percents.isEmpty());
}

TEST_F(Download, StreamsWithoutALengthDownloadAllTheSame)
{
    const QByteArray bytes = stream(300000);
    Route chunked = body(bytes);
    chunked.framing = Route::Framing::Chunked;
    chunked.pieceSize = 65536;
    chunked.pieceDelayMs = 5;
    server.route("/chunked", chunked);
    run("/chunked");
    EXPECT_TRUE(ok) << error.toStdString();
    EXPECT_EQ(contents(file("clip.mp4")), bytes);
    EXPECT_EQ(download.progress().total(), -1);
    EXPECT_EQ(download.progress().received(), bytes.size());
    EXPECT_TRUE(percents.isEmpty());

    Route untilClose = body(bytes);
    untilClose.framing = Route::Framing::CloseDelimited;
    server.route("/close", untilClose);
    run("/close", "other.mp4");
    EXPECT_TRUE(ok) << error.toStdString();
    EXPECT_EQ(contents(file("other.mp4")), bytes);
}

TEST_F(Download, AStreamCutShortFailsAndKeepsTheEarlierFile)
{
    QFile earlier(file("clip.mp4"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier complete download");
    earlier.close();

    const QByteArray bytes = stream(10000);
    Route cut = body(bytes);
    cut.cutAfter = 4000;
    server.route("/s", cut);
    run("/s");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(error.contains("4000 of 10000")) << error.toStdString();
    EXPECT_NE(percents.last(), 100);
    EXPECT_EQ(contents(file("clip.mp4")), "an earlier complete download");
    EXPECT_EQ(contents(file("clip.mp4.part")), bytes.left(4000));

    // The next download carries on from the part when the server honours the range.
    Route full = body(bytes);
    full.honourRange = true;
    server.route("/s", full);
    run("/s");
    EXPECT_TRUE(ok) << error.toStdString();
    EXPECT_EQ(server.requests.last().headers.value("range"), "bytes=4000-");
    EXPECT_EQ(download.resumedFrom(), 4000);
    EXPECT_EQ(percents.first(), 40);
    EXPECT_EQ(percents.last(), 100);
    EXPECT_EQ(contents(file("clip.mp4")), bytes);
    EXPECT_FALSE(QFile::exists(file("clip.mp4.part")));
}

TEST_F(Download, APartTheServerWillNotContinueStartsOver)
{
    const QByteArray bytes = stream(5000);
    const auto leavePart = [this](const QByteArray &junk) {
        QFile part(file("clip.mp4.part"));
        ASSERT_TRUE(part.open(QIODevice::WriteOnly));
        part.write(junk);
    };
    leavePart(QByteArray(3000, 'x'));
    server.route("/ignores", body(bytes)); // answers 200 with everything
    run("/ignores");
    EXPECT_TRUE(ok) << error.toStdString();
    EXPECT_EQ(server.requests.last().headers.value("range"), "bytes=3000-");
    EXPECT_EQ(contents(file("clip.mp4")), bytes);

    leavePart(QByteArray(8000, 'x')); // longer than the stream: 416, then from the start
    Route ranged = body(bytes);
    ranged.honourRange = true;
    server.route("/ranged", ranged);
    run("/ranged");
    EXPECT_TRUE(ok) << error.toStdString();
    EXPECT_EQ(server.requests.size(), 3);
    EXPECT_FALSE(server.requests.last().headers.contains("range"));
    EXPECT_EQ(contents(file("clip.mp4")), bytes);
}

TEST_F(Download, AnErrorAnswerLeavesNoFile)
{
    run("/nowhere");
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, "404 Not Found");
    EXPECT_EQ(statuses.last(), "Error 404 Not Found");
    EXPECT_FALSE(QFile::exists(file("clip.mp4")));
    EXPECT_FALSE(QFile::exists(file("clip.mp4.part")));

    Route forbidden;
    forbidden.status = 403;
    forbidden.reason = "Forbidden";
    forbidden.body = "<html>go away</html>";
    server.route("/forbidden", forbidden);
    run("/forbidden");
    EXPECT_EQ(error, "403 Forbidden");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());

    // A length that is no number cannot tell a stream cut short from a whole one.
    Route garbled = body(stream(3000));
    garbled.lengthText = "12abc";
    garbled.framing = Route::Framing::CloseDelimited;
    server.route("/garbled", garbled);
    run("/garbled");
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, "The server's Content-Length \"12abc\" is not a number.");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(Download, SilenceTimesOutSlownessDoesNot)
{
    const QByteArray bytes = stream(20000);
    Route slow = body(bytes);
    slow.pieceSize = 2000;
    slow.pieceDelayMs = 60;
    server.route("/slow", slow);
    download.transfer()->setIdleTimeout(400);
    run("/slow");
    EXPECT_TRUE(ok) << error.toStdString();
    EXPECT_EQ(contents(file("clip.mp4")), bytes);

    Route stalled = body(bytes);
    stalled.stallAfter = 1000;
    server.route("/stalled", stalled);
    run("/stalled", "stalled.mp4");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(download.transfer()->timedOut());
    EXPECT_TRUE(error.contains("timed out")) << error.toStdString();
    EXPECT_EQ(statuses.last(), "Slow Connection");
    EXPECT_EQ(contents(file("stalled.mp4.part")).size(), 1000);
}

TEST_F(Download, ASecondStartDuringOneIsRefusedAndTheFirstStaysWhole)
{
    const QByteArray bytes = stream(40000);
    Route slow = body(bytes);
    slow.pieceSize = 4000;
    slow.pieceDelayMs = 20;
    server.route("/slow", slow);
    server.route("/other", body("other"));
    QSignalSpy done(&download, &StreamDownload::finished);
    ASSERT_TRUE(download.DownloadStream(server.url("/slow"), folder(), "first.mp4"));
    EXPECT_FALSE(download.DownloadStream(server.url("/other"), folder(), "second.mp4"));
    ASSERT_TRUE(done.wait(20000));
    EXPECT_EQ(done.size(), 1);
    EXPECT_TRUE(done.first()[0].toBool());
    EXPECT_EQ(contents(file("first.mp4")), bytes);
    EXPECT_FALSE(QFile::exists(file("second.mp4")));

    // A stop keeps the part and sends nothing.
    ASSERT_TRUE(download.DownloadStream(server.url("/slow"), folder(), "stopped.mp4"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return QFile::exists(file("stopped.mp4.part")); }));
    download.cancel();
    EXPECT_FALSE(done.wait(300));
    EXPECT_FALSE(QFile::exists(file("stopped.mp4")));
    EXPECT_TRUE(QFile::exists(file("stopped.mp4.part")));
}

TEST_F(Download, AFolderThatCannotBeWrittenFailsWithTheReason)
{
    server.route("/s", body(stream(100)));
    QSignalSpy done(&download, &StreamDownload::finished);
    ASSERT_TRUE(download.DownloadStream(server.url("/s"), folder() + "missing/", "clip.mp4"));
    ASSERT_TRUE(done.wait(20000));
    EXPECT_FALSE(done.first()[0].toBool());
    EXPECT_TRUE(done.first()[1].toString().startsWith("Cannot write "))
        << done.first()[1].toString().toStdString();
}

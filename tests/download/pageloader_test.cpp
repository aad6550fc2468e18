// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/programfolder.h"
#include "download/inettransfer.h"
#include "download/pageloader.h"
#include "download/thumbnailsaver.h"
#include "fixtureserver.h"
#include "watchpagefixture.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct Load : ::testing::Test
{
    FixtureServer server;
    InetTransfer transfer;
    PageLoader loader{&transfer};
    QStringList statuses;
    QString page;
    QString error;
    bool timedOut = false;

    void SetUp() override
    {
        QObject::connect(&loader, &PageLoader::statusChanged,
                         [this](const QString &s) { statuses << s; });
    }
    void load(const QString &address)
    {
        statuses.clear();
        QSignalSpy done(&loader, &PageLoader::loaded);
        loader.LoadPage(address);
        ASSERT_TRUE(done.wait(20000));
        page = done.first()[0].toString();
        error = done.first()[1].toString();
        timedOut = done.first()[2].toBool();
    }
};
} // namespace

TEST_F(Load, APageArrivesWithTheStatesQtTells)
{
    const QByteArray html = WatchPageFixture().bytes();
    server.serve("/watch?v=YE7VzlLtp-4", html);
    load(server.url("/watch?v=YE7VzlLtp-4").toString());
    EXPECT_EQ(page.toUtf8(), html);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(statuses.first(), "Making Request...");
    ASSERT_TRUE(statuses.contains("Connecting Host"));
    EXPECT_TRUE(statuses.indexOf("Connecting Host") < statuses.indexOf("Request sent."));
    EXPECT_TRUE(statuses.indexOf("Request sent.") < statuses.indexOf("Receiving Response.."));
    EXPECT_EQ(statuses.mid(statuses.size() - 2), QStringList({"Response received.", "Complete!"}));
}

TEST_F(Load, LargeSlowAndBinaryPagesArriveWhole)
{
    QByteArray big = WatchPageFixture().bytes();
    big += QByteArray(6 << 20, 'x');
    FixtureServer::Route slow;
    slow.body = big;
    slow.pieceSize = 1 << 20;
    slow.pieceDelayMs = 20;
    server.route("/big", slow);
    load(server.url("/big").toString());
    EXPECT_EQ(page.size(), big.size());
    EXPECT_TRUE(statuses.contains("Reading Data..."));

    QByteArray binary(70000, Qt::Uninitialized);
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char(i * 31);
    server.serve("/binary", binary, "application/octet-stream");
    load(server.url("/binary").toString());
    EXPECT_TRUE(error.isEmpty());
    EXPECT_FALSE(page.isEmpty());
}

TEST_F(Load, FailuresGiveAnEmptyPageAndTheReason)
{
    load(server.url("/missing").toString());
    EXPECT_TRUE(page.isEmpty());
    EXPECT_EQ(error, "404 Not Found");
    EXPECT_EQ(statuses.last(), "Error 404 Not Found");

    load("http://127.0.0.1:1/watch?v=x"); // nothing listens there
    EXPECT_TRUE(page.isEmpty());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(timedOut);

    load("mailto:someone@example.com");
    EXPECT_TRUE(error.contains("not the address of a web page"));

    FixtureServer::Route stalled;
    stalled.body = "<html>";
    stalled.stallAfter = 0;
    server.route("/stalled", stalled);
    transfer.setIdleTimeout(300);
    load(server.url("/stalled").toString());
    EXPECT_TRUE(timedOut);
    EXPECT_TRUE(page.isEmpty());
    EXPECT_EQ(statuses.last(), "Slow Connection");
}

TEST_F(Load, ANewLoadGivesUpTheOneBefore)
{
    FixtureServer::Route stalled;
    stalled.body = "first";
    stalled.stallAfter = 0;
    server.route("/first", stalled);
    server.serve("/second", "second");
    QSignalSpy done(&loader, &PageLoader::loaded);
    loader.LoadPage(server.url("/first").toString());
    ASSERT_TRUE(QTest::qWaitFor([this] { return server.requests.size() == 1; }));
    loader.LoadPage(server.url("/second").toString());
    ASSERT_TRUE(done.wait(20000));
    EXPECT_EQ(done.size(), 1);
    EXPECT_EQ(done.first()[0].toString(), "second");
}

TEST(Thumbnail, SavedIntoTheCacheOnlyUnderAPlainName)
{
    ProgramFolder folder;
    FixtureServer server;
    server.serve("/thumb.jpg", "JPEG bytes", "image/jpeg");
    ThumbnailSaver saver;
    QSignalSpy saved(&saver, &ThumbnailSaver::saved);
    ASSERT_TRUE(saver.SaveThumbnail(server.url("/thumb.jpg").toString(), "abc.jpg"));
    EXPECT_FALSE(saver.SaveThumbnail(server.url("/thumb.jpg").toString(), "other.jpg")); // busy
    ASSERT_TRUE(saved.wait(20000));
    EXPECT_TRUE(saved.first()[0].toBool());
    EXPECT_EQ(saved.first()[1].toString(), folder.file("Cache/abc.jpg"));
    QFile file(folder.file("Cache/abc.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "JPEG bytes");

    EXPECT_FALSE(saver.SaveThumbnail(server.url("/thumb.jpg").toString(), "../../evil.jpg"));
    EXPECT_FALSE(saver.SaveThumbnail(server.url("/thumb.jpg").toString(), ".jpg"));
    EXPECT_FALSE(saver.SaveThumbnail("file:///etc/passwd", "x.jpg"));

    ASSERT_TRUE(saver.SaveThumbnail(server.url("/none.jpg").toString(), "none.jpg"));
    ASSERT_TRUE(saved.wait(20000));
    EXPECT_FALSE(saved.last()[0].toBool());
    EXPECT_FALSE(QFile::exists(folder.file("Cache/none.jpg")));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/childprogram.h"
#include "common/fakedesktop.h"
#include "common/programfolder.h"
#include "download/formyutobe.h"
#include "download/previewframe.h"
#include "download/streamdownload.h"
#include "fixtureserver.h"
#include "media/previewplayer.h"
#include "watchpagefixture.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
using Route = FixtureServer::Route;

QByteArray stream(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(i * 13 + 1);
    return bytes;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct Window : ::testing::Test
{
    ProgramFolder folder;
    FixtureServer server;
    PreviewPlayer player;
    Formyutobe window{&player};
    WatchPageFixture page;

    void SetUp() override
    {
        FakeDesktop::current().reset();
        page.thumbnail = WatchPageFixture::escape(server.url("/thumb.jpg").toString());
        QFile picture(folder.file("loading.jpg"));
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
        server.serve("/thumb.jpg", picture.readAll(), "image/jpeg");
        window.show();
        QCoreApplication::processEvents();
    }
    template <typename T = QWidget> T *child(const char *name)
    {
        T *found = window.findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char *name) { return child<QLabel>(name)->text(); }
    QPushButton *button(const char *name) { return child<QPushButton>(name); }

    // Serves the page with streams of the formats given and presses "Get Direct Link".
    void getDirectLink(const QList<int> &formats, qsizetype streamSize = 3000)
    {
        QList<std::pair<int, QString>> map;
        for (int format : formats) {
            const QByteArray path = "/videoplayback?itag=" + QByteArray::number(format);
            server.route(path, Route{.body = stream(streamSize)});
            map.append({format, server.url(path).toString()});
        }
        page.streamMap = WatchPageFixture::encodeMap(map);
        server.serve("/watch?v=YE7VzlLtp-4", page.bytes());
        child<QLineEdit>("txtWatchUrl")->setText(server.url("/watch?v=YE7VzlLtp-4").toString());
        QSignalSpy done(&window, &Formyutobe::directLinkDone);
        button("cmdG")->click();
        ASSERT_TRUE(done.wait(20000));
    }
    void download(const char *name)
    {
        QSignalSpy done(window.streamDownload(), &StreamDownload::finished);
        button(name)->click();
        ASSERT_TRUE(done.wait(20000));
    }
};
} // namespace

TEST_F(Window, OpensWithItsControlsCaptionsAndSize)
{
    EXPECT_EQ(window.frameGeometry().size(), QSize(478, 323));
    EXPECT_TRUE(child<QLineEdit>("txtWatchUrl")->text().endsWith("/watch?v=XXXXX"));
    EXPECT_EQ(text("Label1"), "Enter YouTube video URL");
    EXPECT_EQ(button("cmdG")->text(), "Get Direct Link");
    EXPECT_TRUE(button("cmdG")->isEnabled());
    const QStringList names = {"getMp4", "getHDH", "getHDL", "getFlv"};
    const QStringList captions = {"Get MP4", "Get HD Low", "Get HD High", "Get FLV"};
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(button(qPrintable(names[i]))->text(), captions[i]);
        EXPECT_FALSE(button(qPrintable(names[i]))->isEnabled());
    }
    EXPECT_EQ(button("cmdPR")->text(), "Preview");
    for (const char *name : {"picTitle", "lblTitle1", "lblAuthor", "lblPublished", "lblCat",
                             "lblDur", "lblRating", "lblTitle", "Label2", "lblSpeed"})
        child<QLabel>(name);
    child<QPlainTextEdit>("txtDesc");
    EXPECT_EQ(child<QProgressBar>("pbDownload")->maximum(), 100);
    auto *frame = child<QGroupBox>("frmPR");
    EXPECT_EQ(frame->title(), "YouTube Preview");
    EXPECT_EQ(text("lblHint"), "Click and wait for video to Load...");
    EXPECT_EQ(text("Label6"), "X");
    EXPECT_TRUE(frame->isHidden()); // out of sight until a preview
    child("SWF");
}

TEST_F(Window, GetDirectLinkFillsTheWindowAndCachesTheThumbnail)
{
    page.title = "Rock (Live): AC/DC's best";
    getDirectLink({22, 5, 99});
    EXPECT_EQ(text("lblTitle1"), "Rock Live ACDCs best");
    EXPECT_EQ(text("lblAuthor"), "blender");
    EXPECT_EQ(text("lblPublished"), "May 29, 2008");
    EXPECT_EQ(text("lblCat"), "Film & Animation"); // the page's markup shown as text
    EXPECT_EQ(text("lblDur"), "596 Sec.");
    EXPECT_EQ(text("lblRating"), "4.5");
    EXPECT_EQ(child<QPlainTextEdit>("txtDesc")->toPlainText(), "A giant rabbit and three rodents.");
    EXPECT_EQ(text("lblTitle"), "Complete!");
    EXPECT_TRUE(QFile::exists(folder.file("Cache/YE7VzlLtp-4.jpg")));
    EXPECT_FALSE(child<QLabel>("picTitle")->pixmap().isNull());
    EXPECT_TRUE(button("getMp4")->isEnabled());
    EXPECT_TRUE(button("getFlv")->isEnabled());
    EXPECT_FALSE(button("getHDH")->isEnabled());
    EXPECT_FALSE(button("getHDL")->isEnabled());
    EXPECT_TRUE(FakeDesktop::current().calls.isEmpty());

    // Get Direct Link waits for a new address; a click into it selects it whole.
    auto *address = child<QLineEdit>("txtWatchUrl");
    EXPECT_FALSE(button("cmdG")->isEnabled());
    address->setText(address->text() + "&x");
    EXPECT_TRUE(button("cmdG")->isEnabled());
    QTest::mouseClick(address, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(address->selectedText(), address->text());
}

TEST_F(Window, APageThatCannotBeLoadedSaysSoAndEnablesNothing)
{
    child<QLineEdit>("txtWatchUrl")->setText(server.url("/watch?v=gone").toString());
    QSignalSpy done(&window, &Formyutobe::directLinkDone);
    button("cmdG")->click();
    ASSERT_TRUE(done.wait(20000));
    EXPECT_EQ(FakeDesktop::current().messages(),
              QStringList({"Something Went Wrong\n404 Not Found"}));
    EXPECT_EQ(text("lblTitle1"), "");
    EXPECT_EQ(text("lblDur"), " Sec.");
    EXPECT_FALSE(button("getMp4")->isEnabled());
    EXPECT_EQ(text("lblTitle"), "Error 404 Not Found");
}

TEST_F(Window, EachQualityDownloadsUnderItsNameAfterTheQuestion)
{
    page.title = "Clip";
    getDirectLink({22, 34, 35, 5});
    download("getMp4");
    EXPECT_TRUE(FakeDesktop::current().callsOf("question").isEmpty());
    EXPECT_EQ(contents(folder.file("Clip.mp4")), stream(3000));
    EXPECT_EQ(child<QProgressBar>("pbDownload")->value(), 100);
    EXPECT_EQ(text("Label2"), "100 % ");
    EXPECT_EQ(text("lblSpeed"), "Saved as " + folder.file("Clip.mp4"));
    // A click on the saved path opens its folder, through the desktop.
    QTest::mouseClick(child("lblSpeed"), Qt::LeftButton);
    ASSERT_EQ(FakeDesktop::current().callsOf("openFolder").size(), 1);
    EXPECT_EQ(QDir(FakeDesktop::current().callsOf("openFolder")[0].text), QDir(folder.path()));

    for (const char *name : {"getHDH", "getHDL", "getFlv"}) {
        FakeDesktop::current().yesNoAnswers.enqueue(true);
        download(name);
    }
    EXPECT_EQ(contents(folder.file("Clip_Full_HD.flv")), stream(3000));
    EXPECT_EQ(contents(folder.file("Clip_HD.flv")), stream(3000));
    EXPECT_EQ(contents(folder.file("Clip.flv")), stream(3000));
    const auto questions = FakeDesktop::current().callsOf("question");
    ASSERT_EQ(questions.size(), 3);
    EXPECT_EQ(questions[0].filter, "Download/Play");
    EXPECT_EQ(questions[0].text,
              "Do you want Download or Play this video?\nClick yes to Download, No to Play");
    EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());
}

TEST_F(Window, NoPlaysInThePanelWhichMovesAsTold)
{
    getDirectLink({34, 35});
    auto *frame = window.previewFrame();
    const qint64 before = player.lastStartedId();
    FakeDesktop::current().yesNoAnswers.enqueue(false);
    button("getHDH")->click();
    EXPECT_EQ(frame->pos(), QPoint(16, 8));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_NE(player.lastStartedId(), before);
    EXPECT_EQ(frame->surface()->toolTip(), "Preview of Big Buck Bunny");
    EXPECT_EQ(QDir(folder.path()).entryList({"*.flv*"}), QStringList());

    button("cmdPR")->click();
    EXPECT_EQ(frame->pos(), QPoint(20, 30));
    QTest::mouseClick(child<QLabel>("Label6"), Qt::LeftButton);
    EXPECT_TRUE(frame->isHidden());

    // "X" only hides the panel; closing the window stops the player.
    const qint64 id = player.lastStartedId();
    window.close();
    EXPECT_TRUE(QTest::qWaitFor([id] { return ChildProgram::find(id) == nullptr; }, 10000));
}

TEST_F(Window, ASecondDownloadIsRefusedAndClosingStopsTheFirst)
{
    getDirectLink({22, 5}, 200000);
    Route slow{.body = stream(200000), .pieceSize = 10000, .pieceDelayMs = 30};
    server.route("/videoplayback?itag=22", slow);
    QSignalSpy done(window.streamDownload(), &StreamDownload::finished);
    button("getMp4")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text("Label2").endsWith(" % "); }, 10000));
    // The speed line follows while it runs.
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("lblSpeed").contains("/s"); }, 3000));
    FakeDesktop::current().yesNoAnswers.enqueue(true);
    button("getFlv")->click();
    EXPECT_TRUE(FakeDesktop::current().messages().value(0).contains("still running"));
    EXPECT_TRUE(window.streamDownload()->isRunning());

    window.close();
    EXPECT_FALSE(window.streamDownload()->isRunning());
    EXPECT_FALSE(done.wait(300));
    EXPECT_FALSE(QFile::exists(folder.file("Big Buck Bunny.mp4")));
    EXPECT_TRUE(QFile::exists(folder.file("Big Buck Bunny.mp4.part")));
    EXPECT_FALSE(QFile::exists(folder.file("Big Buck Bunny.flv")));
}

TEST_F(Window, ChunkedStreamsShowTheAmountAndFailuresTheReason)
{
    getDirectLink({22, 5});
    Route chunked{.body = stream(400000),
                  .framing = Route::Framing::Chunked,
                  .pieceSize = 20000,
                  .pieceDelayMs = 40};
    server.route("/videoplayback?itag=22", chunked);
    QSignalSpy done(window.streamDownload(), &StreamDownload::finished);
    button("getMp4")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text("Label2").endsWith(" KB"); }, 10000));
    EXPECT_EQ(child<QProgressBar>("pbDownload")->maximum(), 0); // busy
    ASSERT_TRUE(done.wait(20000));
    EXPECT_EQ(text("Label2"), "391 KB");
    EXPECT_EQ(child<QProgressBar>("pbDownload")->value(), 100);

    server.route("/videoplayback?itag=5", Route{.status = 404, .reason = "Not Found", .body = {}});
    FakeDesktop::current().yesNoAnswers.enqueue(true);
    download("getFlv");
    EXPECT_EQ(FakeDesktop::current().messages(), QStringList({"Error-404 Not Found"}));
    EXPECT_FALSE(QFile::exists(folder.file("Big Buck Bunny.flv")));
    EXPECT_FALSE(QFile::exists(folder.file("Big Buck Bunny.flv.part")));
}

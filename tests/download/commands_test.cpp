// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/programfolder.h"
#include "common/smalldisk.h"
#include "common/testfiles.h"
#include "download/downloadcommand.h"
#include "download/watchinfocommand.h"
#include "fixtureserver.h"
#include "watchpagefixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {
struct Command : ::testing::Test
{
    ProgramFolder folder;
    FixtureServer server;
    WatchPageFixture page;
    QString out;
    QString err;
    QByteArray video = QByteArray(5000, 'v');

    void SetUp() override
    {
        page.streamMap = WatchPageFixture::encodeMap({{22, server.url("/v22?sig=a%2Bb").toString()},
                                                      {99, "http://h/99"},
                                                      {35, server.url("/v35").toString()}});
        server.serve("/watch?v=1", page.bytes());
        server.route("/v22?sig=a%2Bb", {.body = video, .honourRange = true});
        server.route("/v35", {.status = 404, .reason = "Not Found", .body = {}});
    }
    QString watch() const { return server.url("/watch?v=1").toString(); }
    int info(const QStringList &args)
    {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        return WatchInfoCommand().run(args, o, e);
    }
    int download(const QStringList &args)
    {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        return DownloadCommand().run(args, o, e);
    }
};
} // namespace

TEST_F(Command, WatchInfoPrintsTheDetailsEscapedThenTheStreams)
{
    page.description = "one\ttwo\r\nthree\\four<br>&lt;five&gt;<b>&#8364;</b>";
    server.serve("/watch?v=1", page.bytes());
    EXPECT_EQ(info({watch()}), 0);
    EXPECT_EQ(out, "title\tBig Buck Bunny\n"
                   "author\tblender\n"
                   "published\tMay 29, 2008\n"
                   "category\tFilm & Animation\n"
                   "length\t596\n"
                   "rating\t4.5\n"
                   "id\tYE7VzlLtp-4\n"
                   "thumbnail\t\n"
                   "description\tone\\ttwo\\nthree\\\\four\\n<five>€\n"
                   "stream\tmp4\t" +
                       server.url("/v22?sig=a%2Bb").toString() +
                       "\n"
                       "stream\thd-high\t" +
                       server.url("/v35").toString() + "\n");

    EXPECT_EQ(info({}), 2);
    EXPECT_EQ(info({watch(), watch()}), 2);
    EXPECT_EQ(info({"-v"}), 2);
    EXPECT_EQ(info({server.url("/nothing").toString()}), 1);
    EXPECT_TRUE(err.contains("404 Not Found"));
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(Command, DownloadSavesAsTheButtonWouldAndTellsThePath)
{
    EXPECT_EQ(download({watch(), "mp4"}), 0) << err.toStdString();
    EXPECT_EQ(out, folder.file("Big Buck Bunny.mp4") + "\n");
    QFile file(folder.file("Big Buck Bunny.mp4"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), video);
    EXPECT_TRUE(err.contains("100 % ")) << err.toStdString();

    // Into a folder of its own, made when missing, carrying on a part left there.
    const QString dir = folder.file("my downloads");
    QDir().mkpath(dir);
    QFile part(dir + "/Big Buck Bunny.mp4.part");
    ASSERT_TRUE(part.open(QIODevice::WriteOnly));
    part.write(video.left(2000));
    part.close();
    EXPECT_EQ(download({"--output", dir, "--", watch(), "mp4"}), 0) << err.toStdString();
    EXPECT_EQ(out, dir + "/Big Buck Bunny.mp4\n");
    EXPECT_EQ(server.requests.last().headers.value("range"), "bytes=2000-");
    QFile resumed(dir + "/Big Buck Bunny.mp4");
    ASSERT_TRUE(resumed.open(QIODevice::ReadOnly));
    EXPECT_EQ(resumed.readAll(), video);
}

TEST_F(Command, DownloadExitCodesTellWhatWentWrong)
{
    EXPECT_EQ(download({watch(), "flv"}), 2); // not offered
    EXPECT_TRUE(err.contains("offers no flv")) << err.toStdString();
    EXPECT_EQ(download({watch(), "4k"}), 2);
    EXPECT_EQ(download({watch()}), 2);
    EXPECT_EQ(download({"--output"}), 2);
    EXPECT_EQ(download({"--fast", watch(), "mp4"}), 2);

    EXPECT_EQ(download({watch(), "hd-high"}), 1);
    EXPECT_TRUE(err.contains("Error-404 Not Found")) << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(download({server.url("/gone").toString(), "mp4"}), 1);
    EXPECT_EQ(QDir(folder.path()).entryList({"*.mp4*", "*.flv*"}), QStringList());
}

// A link or a pipe at the part or the final name: nothing is fetched, nothing waits, and
// neither the name nor what it leads to changes.
TEST_F(Command, DownloadRefusesWhatIsNoFileOfItsOwnAndTellsAFullDisk)
{
    const QString outside = folder.file("outside.dat");
    TestFiles::store(outside, "precious");
    const QString part = folder.file("Big Buck Bunny.mp4.part");
    const QString final = folder.file("Big Buck Bunny.mp4");
    const std::pair<QString, std::function<bool()>> planted[] = {
        {"symbolic link", [&] { return QFile::link(outside, part); }},
        {"named pipe", [&] { return ::mkfifo(QFile::encodeName(part), 0600) == 0; }},
        {"symbolic link", [&] { return QFile::link(outside, final); }},
    };
    for (const auto &[told, plant] : planted) {
        QFile::remove(part);
        QFile::remove(final);
        ASSERT_TRUE(plant());
        EXPECT_EQ(download({watch(), "mp4"}), 1);
        EXPECT_TRUE(err.contains(told)) << err.toStdString();
        EXPECT_EQ(TestFiles::contentsOf(outside), "precious");
    }
    EXPECT_TRUE(QFileInfo(final).isSymLink());

    SmallDisk disk(64);
    if (!disk.isMounted())
        GTEST_SKIP() << disk.why().toStdString();
    server.route("/v22?sig=a%2Bb", {.body = QByteArray(200000, 'v')});
    EXPECT_EQ(download({"--output", disk.path(), watch(), "mp4"}), 1);
    EXPECT_TRUE(err.contains("Error-No space left on device: " + QDir::cleanPath(disk.path())))
        << err.toStdString();
}

TEST_F(Command, TheProgramRunsBothModesWithoutADisplay)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(env);
    const QString klevar = ProgramFolder::buildFolder() + "/klevar";
    program.start(klevar, {"--watch-info", watch()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardOutput().startsWith("title\tBig Buck Bunny\n"));

    QTemporaryDir dir;
    program.start(klevar, {"--download", "--output", dir.path(), watch(), "mp4"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput(),
              (dir.filePath("Big Buck Bunny.mp4") + "\n").toUtf8());

    program.start(klevar, {"--help"});
    ASSERT_TRUE(program.waitForFinished(20000));
    const QByteArray help = program.readAllStandardOutput();
    EXPECT_TRUE(help.contains("--watch-info URL"));
    EXPECT_TRUE(help.contains("--download [--output DIR]"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/childprogram.h"
#include "common/fakedesktop.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "common/testfiles.h"
#include "download/downloadcommand.h"
#include "download/formyutobe.h"
#include "download/streamdownload.h"
#include "download/watchinfocommand.h"
#include "download/ytdlpdownload.h"
#include "download/ytdlpreader.h"
#include "fixtureserver.h"
#include "media/previewplayer.h"
#include "settings/settings.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <gtest/gtest.h>

#include <csignal>

namespace {
// A page that yt-dlp's generic reader understands: an HTML5 <video> with its sources.
QByteArray videoPage(const QByteArray &sources)
{
    return "<!DOCTYPE html><html><head><title>Clip &amp; Co</title>"
           "<meta property=\"og:description\" content=\"A &lt;b&gt; rabbit &amp; friends\">"
           "</head><body><video controls>" +
           sources + "</video></body></html>";
}

struct YtDlpPage : ::testing::Test
{
    ProgramFolder folder;
    FixtureServer server;
    PreviewPlayer player;
    Formyutobe window{&player};
    QTemporaryDir media;

    void SetUp() override { FakeDesktop::current().reset(); }

    // Serves an encoder-made clip of that size under /name.
    QByteArray clip(const QString &name, const QString &size)
    {
        const QString path = media.filePath(name);
        EXPECT_TRUE(MediaFixtures::make(path, {.seconds = 1, .size = size, .codecArgs = {}}));
        const QByteArray bytes = TestFiles::contentsOf(path);
        server.route("/" + name.toUtf8(), {.body = bytes, .honourRange = true});
        return bytes;
    }
    // A fake yt-dlp in place of the real one: body is its shell script.
    void fakeYtDlp(const QByteArray &body)
    {
        TestFiles::script(folder.file("yt-dlp"), "printf '%s\\n' \"$@\" >> '" +
                                                     folder.file("args").toUtf8() + "'\n" + body);
        ASSERT_TRUE(Settings::write(Settings::YtDlpKey, folder.file("yt-dlp")));
    }
    template <typename T = QWidget> T *child(const char *name)
    {
        T *found = window.findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char *name) { return child<QLabel>(name)->text(); }
    bool enabled(const char *name) { return child<QPushButton>(name)->isEnabled(); }
    void getDirectLink(const QByteArray &path)
    {
        window.show();
        child<QLineEdit>("txtWatchUrl")->clear(); // a new text enables "Get Direct Link"
        child<QLineEdit>("txtWatchUrl")->setText(server.url(path).toString());
        QSignalSpy done(&window, &Formyutobe::directLinkDone);
        child<QPushButton>("cmdG")->click();
        ASSERT_TRUE(done.wait(60000));
    }
    template <typename Task> void download(Task *task, const char *button)
    {
        QSignalSpy done(task, &DownloadTask::finished);
        child<QPushButton>(button)->click();
        ASSERT_TRUE(done.wait(60000));
        EXPECT_TRUE(done.first()[0].toBool()) << done.first()[1].toString().toStdString();
    }
};

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0;
}
} // namespace

TEST_F(YtDlpPage, TheWindowShowsTheDetailsAndEachButtonFetchesItsNearestSize)
{
    const QByteArray small = clip("v240.mp4", "426x240");
    const QByteArray webm = clip("w480.webm", "854x480");
    const QByteArray large = clip("v720.mp4", "1280x720");
    server.serve("/watch", videoPage("<source src=\"/v240.mp4\" type=\"video/mp4\" res=\"240\">"
                                     "<source src=\"/w480.webm\" type=\"video/webm\" res=\"480\">"
                                     "<source src=\"/v720.mp4\" type=\"video/mp4\" res=\"720\">"));
    getDirectLink("/watch");
    EXPECT_EQ(text("lblTitle1"), "Clip & Co 1"); // the generic reader numbers its videos
    EXPECT_EQ(child<QPlainTextEdit>("txtDesc")->toPlainText(), "A <b> rabbit & friends");
    EXPECT_EQ(text("lblTitle"), "Complete!");
    EXPECT_TRUE(enabled("getMp4"));
    EXPECT_FALSE(enabled("getHDH")); // nothing near 360 lines
    EXPECT_TRUE(enabled("getHDL"));
    EXPECT_TRUE(enabled("getFlv"));
    EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());

    // Plain files come through Klevar's own engine, with the headers yt-dlp gave.
    download(window.streamDownload(), "getMp4");
    EXPECT_EQ(TestFiles::contentsOf(folder.file("Clip & Co 1.mp4")), large);
    EXPECT_EQ(server.requests.last().headers.value("referer"), server.url("/watch").toEncoded());
    FakeDesktop::current().yesNoAnswers.enqueue(true);
    download(window.streamDownload(), "getHDL");
    EXPECT_EQ(TestFiles::contentsOf(folder.file("Clip & Co 1_HD.webm")), webm);

    // No: the player plays the format's address with its headers.
    FakeDesktop::current().yesNoAnswers.enqueue(false);
    child<QPushButton>("getFlv")->click();
    const qint64 playing = player.lastStartedId();
    ASSERT_NE(ChildProgram::find(playing), nullptr);
    const QByteArray commandLine =
        TestFiles::contentsOf(QStringLiteral("/proc/%1/cmdline").arg(playing));
    EXPECT_TRUE(commandLine.contains(QByteArray("\0-referrer\0", 11) +
                                     server.url("/watch").toEncoded() + '\0'))
        << commandLine.constData();
    EXPECT_TRUE(commandLine.contains(server.url("/v240.mp4").toEncoded()));
    window.close();
}

TEST_F(YtDlpPage, TheCommandsReadAPageWhosePictureAndSoundComeApart)
{
    // HLS from the encoder: the picture in one playlist, the sound in another.
    QProcess encoder;
    encoder.setWorkingDirectory(media.path());
    encoder.start(MediaFixtures::encoder(), {"-v",
                                             "error",
                                             "-f",
                                             "lavfi",
                                             "-i",
                                             "testsrc=size=640x360:rate=25:duration=3",
                                             "-f",
                                             "lavfi",
                                             "-i",
                                             "sine=duration=3",
                                             "-map",
                                             "0:v",
                                             "-map",
                                             "1:a",
                                             "-c:v",
                                             "libx264",
                                             "-g",
                                             "25",
                                             "-c:a",
                                             "aac",
                                             "-f",
                                             "hls",
                                             "-hls_time",
                                             "1",
                                             "-hls_playlist_type",
                                             "vod",
                                             "-master_pl_name",
                                             "master.m3u8",
                                             "-var_stream_map",
                                             "v:0,agroup:aud a:0,agroup:aud",
                                             "-hls_segment_filename",
                                             "s%v_%03d.ts",
                                             "s%v.m3u8"});
    ASSERT_TRUE(encoder.waitForFinished(60000));
    ASSERT_EQ(encoder.exitCode(), 0) << encoder.readAllStandardError().constData();
    for (const QString &name : QDir(media.path()).entryList(QDir::Files))
        server.serve("/hls/" + name.toUtf8(), TestFiles::contentsOf(media.filePath(name)),
                     "application/octet-stream");
    server.serve("/watch",
                 videoPage("<source src=\"/hls/master.m3u8\" type=\"application/x-mpegURL\">"));
    const QString page = server.url("/watch").toString();

    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(WatchInfoCommand().run({page}, o, e), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("\nstream\thd-low\thttp://[^\t]+/hls/s0.m3u8\t"
                                                "[\\w.-]+\\+[\\w.-]+\tmp4\n")))
        << out.toStdString();
    EXPECT_FALSE(out.contains("stream\tmp4"));

    QTemporaryDir into;
    out.clear();
    EXPECT_EQ(DownloadCommand().run({"--output", into.path(), page, "hd-low"}, o, e), 0)
        << err.toStdString();
    const QString saved = into.filePath("Clip & Co 1_Full_HD.mp4");
    EXPECT_EQ(out, saved + "\n");
    EXPECT_TRUE(err.contains("100 % ")) << err.toStdString();
    EXPECT_TRUE(MediaFixtures::hasStream(saved, "video"));
    EXPECT_TRUE(MediaFixtures::hasStream(saved, "audio"));
    // Nothing of yt-dlp's pieces stays beside it.
    EXPECT_EQ(QDir(into.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Clip & Co 1_Full_HD.mp4"});
}

TEST_F(YtDlpPage, FailuresOfYtDlpAreToldAndLeaveTheButtonsDisabled)
{
    server.serve("/watch", "<html><body>no old stream map</body></html>");
    const struct
    {
        const char *what;
        QByteArray script;
        QString told; // the start of the status line
    } cases[] = {
        {"an error", "echo 'ERROR: [generic] Unsupported URL: x' >&2; exit 1",
         "yt-dlp cannot read this page: [generic] Unsupported URL: x"},
        {"broken JSON", "echo '{\"title\": '", "yt-dlp's description of the page cannot be read"},
        {"a hang", "exec sleep 30", "yt-dlp gave no answer within 0.5 s"},
        {"only sound",
         R"(echo '{"title": "T", "formats": [{"format_id": "a", "url": "http://h/a",
            "vcodec": "none", "acodec": "opus"}]}')",
         "yt-dlp lists no stream with a picture on this page."},
        {"no yt-dlp", "", "This page needs yt-dlp: install it with \"sudo apt install yt-dlp\""},
    };
    window.ytDlpReader()->setTimeoutMs(500);
    for (const auto &c : cases) {
        FakeDesktop::current().reset();
        QFile::remove(folder.file("args"));
        fakeYtDlp(c.script);
        if (c.script.isEmpty()) {
            ASSERT_TRUE(Settings::write(Settings::YtDlpKey, folder.file("no-such-program")));
        }
        getDirectLink("/watch");
        EXPECT_TRUE(text("lblTitle").startsWith(c.told))
            << c.what << ": " << text("lblTitle").toStdString();
        for (const char *name : {"getMp4", "getHDH", "getHDL", "getFlv"})
            EXPECT_FALSE(enabled(name)) << c.what << name;
        const bool failure = c.told.startsWith("yt-dlp") && !c.told.contains("lists");
        EXPECT_EQ(FakeDesktop::current().messages().size(), failure ? 1 : 0) << c.what;
        if (c.script.isEmpty())
            continue;
        // No user configuration, and "--" before the address.
        const QStringList args =
            QString::fromUtf8(TestFiles::contentsOf(folder.file("args"))).split('\n');
        EXPECT_TRUE(args.contains("--ignore-config")) << c.what;
        EXPECT_EQ(args.value(args.indexOf("--") + 1), server.url("/watch").toString()) << c.what;
    }
}

TEST_F(YtDlpPage, StoppingADownloadYtDlpAssemblesEndsItAndWhatItStarted)
{
    server.serve("/watch", "<html><body>no old stream map</body></html>");
    fakeYtDlp(R"(case " $* " in *" --dump-single-json "*)
  echo '{"id": "v1", "title": "Pieces", "formats": [{"format_id": "hls-1", "height": 720,
    "url": "http://127.0.0.1:1/p.m3u8", "protocol": "m3u8_native", "ext": "mp4"}]}'
  exit 0;;
esac
echo "[klevar-progress] 500 1000 NA"
sleep 60 &
echo $! > ')" +
              folder.file("child").toUtf8() + R"('
echo $$ > ')" +
              folder.file("self").toUtf8() + R"('
wait)");
    getDirectLink("/watch");
    ASSERT_TRUE(enabled("getMp4"));
    child<QPushButton>("getMp4")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text("Label2") == "50 % "; }, 20000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder.file("child")); }, 5000));
    const qint64 self = TestFiles::contentsOf(folder.file("self")).trimmed().toLongLong();
    const qint64 sleeper = TestFiles::contentsOf(folder.file("child")).trimmed().toLongLong();
    EXPECT_FALSE(processGone(self));
    EXPECT_FALSE(processGone(sleeper));
    EXPECT_TRUE(window.ytDlpDownload()->isRunning());

    window.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return processGone(self) && processGone(sleeper); }, 10000));
    EXPECT_FALSE(QFile::exists(folder.file("Pieces.mp4")));
}

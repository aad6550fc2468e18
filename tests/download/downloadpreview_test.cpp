// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/childprogram.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "download/formyutobe.h"
#include "download/previewframe.h"
#include "fixtureserver.h"
#include "media/previewplayer.h"
#include "watchpagefixture.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// Under a real X server: the player draws a stream it fetches over HTTP into the panel.
namespace {
// The share of the surface's pixels in strong colours: the test picture's bars, never
// the window's pale controls or a black surface.
double colourShare(QWidget *surface)
{
    const QImage image = surface->screen()->grabWindow(surface->winId()).toImage();
    if (image.isNull())
        return 0;
    qint64 coloured = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QColor c = image.pixelColor(x, y);
            coloured += c.saturation() > 150 && c.value() > 100;
        }
    }
    return double(coloured) / ((image.width() / 2) * (image.height() / 2));
}
} // namespace

TEST(DownloaderPreview, ThePlayerDrawsTheStreamIntoThePanel)
{
    QTemporaryDir dir;
    const QString video = dir.filePath("stream.flv");
    MediaFixtures::Clip clip;
    clip.seconds = 10;
    clip.codecArgs = {"-c:v", "flv1", "-b:v", "600k"};
    ASSERT_TRUE(MediaFixtures::make(video, clip));
    QFile file(video);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));

    ProgramFolder folder;
    FixtureServer server;
    server.route("/videoplayback",
                 {.body = file.readAll(), .contentType = "video/x-flv", .honourRange = true});
    WatchPageFixture page;
    page.streamMap = WatchPageFixture::encodeMap({{35, server.url("/videoplayback").toString()}});
    server.serve("/watch?v=1", page.bytes());

    PreviewPlayer player;
    Formyutobe window(&player);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit *>("txtWatchUrl")->setText(server.url("/watch?v=1").toString());
    QSignalSpy done(&window, &Formyutobe::directLinkDone);
    window.findChild<QPushButton *>("cmdG")->click();
    ASSERT_TRUE(done.wait(20000));

    QWidget *surface = window.previewFrame()->surface();
    EXPECT_TRUE(window.previewFrame()->isHidden()); // nothing drawn before the preview
    window.findChild<QPushButton *>("cmdPR")->click();
    EXPECT_EQ(window.previewFrame()->pos(), QPoint(20, 30));
    EXPECT_TRUE(QTest::qWaitFor([surface] { return colourShare(surface) > 0.3; }, 8000));

    const qint64 id = player.lastStartedId();
    ASSERT_NE(ChildProgram::find(id), nullptr);
    window.close();
    EXPECT_TRUE(QTest::qWaitFor([id] { return ChildProgram::find(id) == nullptr; }, 10000));
}

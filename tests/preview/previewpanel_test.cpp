// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/childprogram.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "media/conversionlist.h"
#include "media/playercommand.h"
#include "media/previewplayer.h"
#include "preview/previewpanel.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>

// These run under a real X server with the real player drawing into the surface.
namespace {
QString fixture()
{
    static QTemporaryDir dir;
    static QString path;
    if (path.isEmpty()) {
        const QString candidate = dir.filePath("sample clip.mp4");
        MediaFixtures::Clip clip;
        clip.seconds = 10;
        if (MediaFixtures::make(candidate, clip))
            path = candidate;
    }
    return path;
}

QImage grab(QWidget *surface)
{
    return surface->screen()->grabWindow(surface->winId()).toImage();
}

// The share of pixels brighter than near-black.
double litShare(const QImage &image)
{
    if (image.isNull())
        return 0;
    qint64 lit = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            lit += qGray(image.pixel(x, y)) > 40;
    }
    return double(lit) / ((image.width() / 2) * (image.height() / 2));
}

// Whether the X server shows on the surface what the surface paints itself.
bool showsOwnPicture(QWidget *surface)
{
    const QImage shown = grab(surface).convertToFormat(QImage::Format_RGB32);
    const QImage own = surface->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != own.size())
        return false;
    qint64 different = 0;
    for (int y = 0; y < own.height(); ++y) {
        for (int x = 0; x < own.width(); ++x)
            different += qAbs(qGray(shown.pixel(x, y)) - qGray(own.pixel(x, y))) > 24;
    }
    return different < own.width() * own.height() / 100;
}

bool showsVideo(QWidget *surface, int withinMs)
{
    return QTest::qWaitFor([surface] { return litShare(grab(surface)) > 0.2; }, withinMs);
}

bool playerEnds(qint64 id, int withinMs)
{
    return QTest::qWaitFor([id] { return ChildProgram::find(id) == nullptr; }, withinMs);
}

struct Preview : ::testing::Test
{
    ProgramFolder folder;
    ConversionList list;
    PreviewPlayer player;
    PreviewPanel panel{PreviewPanel::Role::Main, &player};

    void SetUp() override
    {
        ASSERT_FALSE(fixture().isEmpty());
        const int row = list.addItem(fixture());
        list.setText(row, ConversionList::VideoTime, "0:00:10");
        panel.resize(480, 420);
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    QString label(const char *name) { return panel.findChild<QLabel *>(name)->text(); }
    QSlider *slider() { return panel.findChild<QSlider *>("Slider1"); }
    QString wid() { return QString::number(panel.surface()->winId()); }
};
} // namespace

TEST_F(Preview, PlayShowsTheVideoInTheSurface)
{
    ConversionList empty;
    panel.playRow(empty, 0);
    EXPECT_EQ(player.lastStartedId(), 0);
    EXPECT_TRUE(player.lastCommandText().isEmpty());

    panel.playRow(list, 0);
    EXPECT_EQ(player.lastCommandText(),
              "\"" + folder.path() + "mp.dll\" -wid  " + wid() +
                  " -framedrop   -colorkey  0  -nokeepaspect   -framedrop   -autosync   100   "
                  "-vo gl2  -vf   screenshot \"" +
                  fixture() + "\"");
    EXPECT_NE(player.lastStartedId(), 0);
    EXPECT_EQ(panel.file(), fixture());
    EXPECT_EQ(label("SkinLabel10"), "Total time:0:00:10");
    EXPECT_EQ(panel.total(), 10);
    EXPECT_TRUE(panel.timer()->isActive());
    EXPECT_TRUE(showsVideo(panel.surface(), 3000));
}

TEST_F(Preview, PauseFreezesThePictureAndTheCount)
{
    panel.playRow(list, 0);
    ASSERT_TRUE(showsVideo(panel.surface(), 3000));
    panel.findChild<QPushButton *>("cmdPause")->click();
    EXPECT_FALSE(panel.timer()->isActive());
    QTest::qWait(600);
    const QImage frozen = grab(panel.surface());
    const qint32 count = panel.elapsed();
    QTest::qWait(1500);
    EXPECT_EQ(grab(panel.surface()), frozen);
    EXPECT_EQ(panel.elapsed(), count);

    panel.pause();
    EXPECT_TRUE(panel.timer()->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return grab(panel.surface()) != frozen; }, 3000));
}

TEST_F(Preview, StopEndsThePlayer)
{
    panel.playRow(list, 0);
    ASSERT_TRUE(showsVideo(panel.surface(), 3000));
    const qint64 id = player.lastStartedId();
    panel.findChild<QPushButton *>("cmdStop")->click();
    EXPECT_TRUE(playerEnds(id, 3000));
    EXPECT_EQ(label("LblCurTime"), "");
    EXPECT_EQ(panel.elapsed(), 0);
    EXPECT_FALSE(panel.timer()->isActive());
    EXPECT_EQ(player.lastStartedId(), id); // never reset
}

TEST_F(Preview, PlayingAgainQuitsThePreviousPlayer)
{
    panel.playRow(list, 0);
    const qint64 first = player.lastStartedId();
    ASSERT_TRUE(showsVideo(panel.surface(), 3000));
    panel.playRow(list, 0);
    EXPECT_NE(player.lastStartedId(), first);
    EXPECT_TRUE(playerEnds(first, 3000));
    EXPECT_NE(ChildProgram::find(player.lastStartedId()), nullptr);
}

TEST_F(Preview, ReleasingTheSliderSeeks)
{
    panel.playRow(list, 0);
    slider()->setValue(50);
    QTest::mouseRelease(slider(), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(player.lastCommandText(), "\"" + folder.path() + "mp.dll\" -ss 5 -wid  " + wid() +
                                            PlayerCommand::options(PlayerCommand::Blanks::Vo4Vf2) +
                                            "\"" + fixture() + "\"");
    EXPECT_EQ(label("LblCurTime"), "0:00:05");
    EXPECT_EQ(panel.elapsed(), 5);
    EXPECT_TRUE(panel.timer()->isActive());
    EXPECT_TRUE(showsVideo(panel.surface(), 3000));

    // At the end: the count stops and no player is started.
    const qint64 id = player.lastStartedId();
    const QString command = player.lastCommandText();
    slider()->setValue(100);
    panel.seek();
    EXPECT_FALSE(panel.timer()->isActive());
    EXPECT_EQ(label("LblCurTime"), "0:00:10");
    EXPECT_EQ(player.lastStartedId(), id);
    EXPECT_EQ(player.lastCommandText(), command);
}

TEST_F(Preview, CountFollowsTheClockNotThePlayer)
{
    panel.playRow(list, 0);
    QTest::qWait(2300);
    EXPECT_EQ(panel.elapsed(), 2);
    EXPECT_EQ(label("LblCurTime"), "0:00:02");
    EXPECT_EQ(slider()->value(), 20);
    const QString command = player.lastCommandText();
    panel.forward();
    panel.back();
    EXPECT_EQ(panel.elapsed(), 2);
    EXPECT_EQ(player.lastCommandText(), command);

    panel.findChild<QPushButton *>("Command5")->click();
    EXPECT_TRUE(player.lastCommandText().contains(" -ss 10 -wid "));
    EXPECT_EQ(panel.elapsed(), 10);
    EXPECT_TRUE(panel.timer()->isActive());
    panel.tick();
    EXPECT_FALSE(panel.timer()->isActive());
    EXPECT_EQ(label("LblCurTime"), "0:00:11");

    panel.findChild<QPushButton *>("Command4")->click();
    EXPECT_EQ(player.lastCommandText(), "\"" + folder.path() + "mp.dll\" -wid  " + wid() +
                                            PlayerCommand::options(PlayerCommand::Blanks::Vo4Vf1) +
                                            "\"" + fixture() + "\"");
    EXPECT_EQ(panel.elapsed(), 0);
    EXPECT_TRUE(panel.timer()->isActive());
    EXPECT_TRUE(showsVideo(panel.surface(), 3000));
}

TEST_F(Preview, EditorPanelPlaysTheClipFile)
{
    PreviewPanel editor(PreviewPanel::Role::Editor, &player);
    editor.resize(480, 420);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    ASSERT_NE(editor.findChild<QWidget *>("Text4"), nullptr);
    ASSERT_NE(editor.findChild<QSlider *>("Slider3"), nullptr);
    editor.setFile(fixture(), "0:00:10");
    editor.findChild<QPushButton *>("cmdPlay")->click();
    const QString head =
        "\"" + folder.path() + "mp.dll\" -wid  " + QString::number(editor.surface()->winId());
    EXPECT_EQ(player.lastCommandText(), head +
                                            PlayerCommand::options(PlayerCommand::Blanks::Vo3Vf3) +
                                            "\"" + fixture() + "\"");
    EXPECT_EQ(editor.findChild<QLabel *>("SkinLabel10")->text(), "Total time:0:00:10");
    EXPECT_TRUE(showsVideo(editor.surface(), 3000));
    editor.firstFrame();
    EXPECT_EQ(player.lastCommandText(), head +
                                            PlayerCommand::options(PlayerCommand::Blanks::Vo4Vf2) +
                                            "\"" + fixture() + "\"");
}

TEST_F(Preview, NoPlayerOutlivesItsOwner)
{
    auto *owner = new PreviewPlayer;
    auto *other = new PreviewPanel(PreviewPanel::Role::Main, owner);
    other->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(other));
    other->playRow(list, 0);
    const qint64 id = owner->lastStartedId();
    ASSERT_NE(ChildProgram::find(id), nullptr);
    ASSERT_TRUE(owner->isPlaying());
    delete other;
    delete owner;
    EXPECT_EQ(ChildProgram::find(id), nullptr);
    EXPECT_NE(::kill(pid_t(id), 0), 0);
}

TEST_F(Preview, WhenNoPlayerDrawsTheSurfaceShowsThePlaceholder)
{
    QWidget *surface = panel.surface();
    const QImage placeholder = surface->grab().toImage();
    EXPECT_GT(litShare(placeholder), 0.0); // the program's picture, not plain black
    EXPECT_LT(litShare(placeholder), 0.2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return showsOwnPicture(surface); }, 2000));

    panel.playRow(list, 0);
    ASSERT_TRUE(showsVideo(surface, 3000));
    const qint64 id = player.lastStartedId();
    panel.findChild<QPushButton *>("cmdStop")->click();
    ASSERT_TRUE(playerEnds(id, 3000));
    // The player's last picture does not stay behind.
    EXPECT_TRUE(QTest::qWaitFor([&] { return showsOwnPicture(surface); }, 2000));
    EXPECT_LT(litShare(grab(surface)), 0.2);

    // Nor what a closed dialog uncovers.
    QDialog dialog;
    dialog.setGeometry(QRect(surface->mapToGlobal(QPoint(20, 20)), QSize(200, 120)));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.close();
    QTest::qWait(300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return showsOwnPicture(surface); }, 2000));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutbox.h"
#include "app/form1.h"
#include "common/fakedesktop.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "convert/conversionrun.h"
#include "media/conversionlist.h"
#include "media/mediaprobe.h"
#include "media/queuecontroller.h"
#include "media/queuefile.h"
#include "profiles/optionset.h"
#include "settings/inifile.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {
struct Entry
{
    QString caption;
    QString shortcut; // "-" marks a separator
};

QList<Entry> entriesOf(QMenu *menu)
{
    QList<Entry> entries;
    for (QAction *a : menu->actions())
        entries.append(a->isSeparator() ? Entry{"-", "-"}
                                        : Entry{a->text(), a->shortcut().toString()});
    return entries;
}

class Form1Test : public ::testing::Test
{
protected:
    void SetUp() override { FakeDesktop::current().reset(); }
    QAction *action(Form1 &w, const char *name) { return w.findChild<QAction *>(name); }
    ProgramFolder folder;
};
} // namespace

TEST_F(Form1Test, MenusHoldEveryEntryWithItsShortcutInOrder)
{
    Form1 w;
    EXPECT_EQ(w.windowTitle(), "Klevar 4.50");
    QList<QMenu *> menus;
    for (QAction *a : w.menuBar()->actions())
        menus << a->menu();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->title(), "File(&F)");
    EXPECT_EQ(menus[1]->title(), "Edit(&E)");
    EXPECT_EQ(menus[2]->title(), "Action(&A)");
    EXPECT_EQ(menus[3]->title(), "Help(&H)");

    const QList<QList<Entry>> expected = {
        {{"Add Files", "Ctrl+A"}, {"Remove Selected File", "Ctrl+R"}, {"Clear All Files", "Ctrl+C"},
         {"-", "-"}, {"Capture Video From DV", ""}, {"-", "-"}, {"Import Video From Youtube", ""},
         {"-", "-"}, {"Exit", "Ctrl+X"}},
        {{"Options", "Ctrl+S"}, {"-", "-"}, {"Check for Updates", ""}},
        {{"Convert Now!", "Ctrl+N"}, {"-", "-"}, {"Play Selected File", "Ctrl+P"}, {"-", "-"},
         {"Video Clip", "Ctrl+V"}, {"Video Watermarkt", "Ctrl+W"}},
        {{"Help", "F1"}, {"-", "-"}, {"Video Converter Home Page", "Ctrl+H"},
         {"Support Online", "Ctrl+T"}, {"-", "-"}, {"About", ""}}};
    for (int m = 0; m < 4; ++m) {
        const QList<Entry> actual = entriesOf(menus[m]);
        ASSERT_EQ(actual.size(), expected[m].size()) << m;
        for (int i = 0; i < actual.size(); ++i) {
            EXPECT_EQ(actual[i].caption, expected[m][i].caption);
            EXPECT_EQ(actual[i].shortcut, expected[m][i].shortcut) << actual[i].caption.toStdString();
        }
    }
    for (const char *name : {"AddFiles", "BurnNow", "videowatermarkt", "helphelp", "About"})
        EXPECT_NE(action(w, name), nullptr) << name;
}

TEST_F(Form1Test, ToolbarPicturesRunLeftToRightAndAreFlat)
{
    Form1 w;
    w.show();
    QApplication::processEvents();
    const QStringList names = {"Image1", "Image2", "Image9", "Image11", "Image10", "Image8", "Image7"};
    const QStringList captions = {"Add Files", "Remove File", "Clear All", "CONVERT NOW",
                                  "Clip", "WaterMark", "Options"};
    int lastX = -1;
    for (int i = 0; i < names.size(); ++i) {
        auto *b = w.findChild<QToolButton *>(names[i]);
        ASSERT_NE(b, nullptr) << names[i].toStdString();
        EXPECT_EQ(b->text(), captions[i]);
        EXPECT_TRUE(b->autoRaise());
        const int x = b->mapTo(&w, QPoint(0, 0)).x();
        EXPECT_GT(x, lastX) << names[i].toStdString();
        lastX = x;
    }
    auto *to = w.findChild<QLabel *>("Label3");
    ASSERT_NE(to, nullptr);
    EXPECT_EQ(to->text(), "To:");
    EXPECT_GT(to->mapTo(&w, QPoint(0, 0)).x(), lastX);
    EXPECT_GT(w.profileChooser()->mapTo(&w, QPoint(0, 0)).x(), to->mapTo(&w, QPoint(0, 0)).x());
}

TEST_F(Form1Test, ListColumnsPanelsAndLabelsAtStart)
{
    Form1 w;
    auto *list = w.findChild<QTreeView *>("lvwAudioTracks");
    ASSERT_NE(list, nullptr);
    auto *model = list->model();
    const QStringList columns = {"File Name", "Start", "End", "Size", "Format", "Status",
                                 "Video Time", "Watermark"};
    ASSERT_EQ(model->columnCount(), columns.size());
    EXPECT_EQ(model->rowCount(), 0);
    for (int c = 0; c < columns.size(); ++c) {
        EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(), columns[c]);
        const auto align = Qt::Alignment(model->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        const bool centred = columns[c] == "End" || columns[c] == "Size";
        EXPECT_EQ(bool(align & Qt::AlignHCenter), centred) << columns[c].toStdString();
    }
    for (int c = 1; c < columns.size(); ++c)
        EXPECT_GT(list->columnWidth(0), list->columnWidth(c));

    auto *panel = w.findChild<QFrame *>("Picture4");
    ASSERT_NE(panel, nullptr);
    w.show();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_NE(w.findChild<QWidget *>("PS1"), nullptr);
    EXPECT_EQ(w.findChild<QLabel *>("SkinLabel10")->text(), "Total time: 0:00:00");
    EXPECT_EQ(w.findChild<QLabel *>("SkinLabel3")->text(),
              "Video Output Folder: " + folder.path().chopped(1));
}

TEST_F(Form1Test, OutputFolderLabelShowsTheStoredFolder)
{
    IniFile::write(folder.settingsFile(), "set", "outputfolder", "/srv/Converted videos");
    Form1 w;
    EXPECT_EQ(w.findChild<QLabel *>("SkinLabel3")->text(),
              "Video Output Folder: /srv/Converted videos");
}

TEST_F(Form1Test, ClosingWritesTheChosenPositionOrNothing)
{
    {
        Form1 w;
        w.show();
        w.close();
    }
    EXPECT_EQ(IniFile::read(folder.settingsFile(), "set", "profile"), "");
    {
        Form1 w;
        for (int i = 1; i <= 12; ++i)
            w.profileChooser()->addItem(QString("entry %1").arg(i));
        w.profileChooser()->setCurrentIndex(6);
        w.show();
        action(w, "exit")->trigger();
        EXPECT_FALSE(w.isVisible());
    }
    EXPECT_EQ(IniFile::read(folder.settingsFile(), "set", "profile"), "7");
}

TEST_F(Form1Test, HelpAndWebPagesGoThroughTheDesktop)
{
    ProgramFolder blanks(true, "Klevar program $HOME XXXXXX"); // the viewer gets it whole
    Form1 w;
    action(w, "helphelp")->trigger();
    action(w, "HomePage")->trigger();
    action(w, "SupportOnline")->trigger();
    const auto &calls = FakeDesktop::current().calls;
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[0].what, "help");
    EXPECT_EQ(calls[0].text, blanks.path() + "help.chm");
    EXPECT_EQ(calls[1].text, Form1::HomePageAddress);
    EXPECT_EQ(calls[2].text, Form1::SupportAddress);
    EXPECT_TRUE(QUrl(Form1::SupportAddress).isValid());
}

TEST_F(Form1Test, OptionsAndAboutOpenModalWindows)
{
    Form1 w;
    w.show();
    QStringList opened;
    auto closeModal = [&opened] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal) {
            opened << modal->objectName() + ":" + modal->windowTitle();
            modal->close();
        }
    };
    QTimer::singleShot(50, closeModal);
    action(w, "options")->trigger();
    QTimer::singleShot(50, closeModal);
    w.findChild<QToolButton *>("Image7")->click();
    QTimer::singleShot(50, closeModal);
    action(w, "About")->trigger();
    EXPECT_EQ(opened, QStringList({"Frmset:Video Options", "Frmset:Video Options", "About:About"}));
    EXPECT_FALSE(QFile::exists(folder.settingsFile())); // closing the dialog writes nothing
}

TEST_F(Form1Test, BothImportEntriesOpenTheDownloader)
{
    Form1 w;
    w.show();
    QStringList opened;
    auto closeModal = [&opened] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened << modal->objectName();
            modal->close();
        }
    };
    QTimer::singleShot(50, closeModal);
    action(w, "importvideo")->trigger();
    QAction *entry = nullptr;
    for (QAction *a : w.findChild<QTreeView *>("lvwAudioTracks")->findChildren<QAction *>()) {
        if (a->text() == "Import Video From Youtube")
            entry = a;
    }
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    QTimer::singleShot(50, closeModal);
    entry->trigger();
    EXPECT_EQ(opened, QStringList({"Formyutobe", "Formyutobe"}));
}

TEST(AboutBox, ShowsTheNoticesAsWritten)
{
    AboutBox box;
    QStringList texts;
    for (QLabel *l : box.findChildren<QLabel *>())
        texts << l->text();
    const QString all = texts.join("\n");
    EXPECT_TRUE(all.contains("Thank you for using Klevar"));
    EXPECT_TRUE(all.contains("MPlayer is licensed under the GUN General Public License Version 2.\n"
                             "FFmpeg is licensed under the GUN General Public License."));
    EXPECT_TRUE(all.contains("This product includes software developed by the MPlayer Project.\n\n"
                             "This product includes software developed by the FFMpeg Project."));
}

TEST_F(Form1Test, ListCommandsOfMenusAndPicturesReachTheQueue)
{
    Form1 w;
    w.show();
    const QString clip = folder.file("clip one.avi");
    ASSERT_TRUE(MediaFixtures::make(clip, 2));
    FakeDesktop::current().fileAnswers.enqueue({clip});
    FakeDesktop::current().fileAnswers.enqueue({clip});
    w.findChild<QToolButton *>("Image1")->click();
    action(w, "AddFiles")->trigger();
    EXPECT_EQ(FakeDesktop::current().callsOf("openFiles").size(), 2);
    EXPECT_EQ(FakeDesktop::current().callsOf("openFiles").first().text, "Open Video File");
    QTRY_COMPARE_WITH_TIMEOUT(w.conversionList()->count(), 2, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(w.conversionList()->text(1, ConversionList::End), QString("0:00:02"),
                              20000);
    w.queue()->selectRow(0);
    w.findChild<QToolButton *>("Image2")->click();
    EXPECT_EQ(w.conversionList()->count(), 1);
    action(w, "ClearAllFiles")->trigger();
    EXPECT_EQ(w.conversionList()->count(), 0);
}

TEST_F(Form1Test, TheChosenProfileSurvivesARestart)
{
    {
        Form1 w;
        QComboBox *chooser = w.profileChooser();
        ASSERT_GT(chooser->count(), 150);
        EXPECT_EQ(chooser->currentIndex(), -1); // first start: nothing chosen yet
        EXPECT_EQ(w.options()->value("Video Options", "Video Codec"), "N/A");
        EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());
        chooser->setCurrentIndex(6);
        Q_EMIT chooser->activated(6); // as the user's choice
        w.show();
        w.close();
    }
    EXPECT_EQ(IniFile::read(folder.settingsFile(), "Set", "profile"), "7");
    Form1 again;
    EXPECT_EQ(again.profileChooser()->currentIndex(), 6);
    EXPECT_NE(again.options()->value("Video Options", "Video Codec"), "N/A");
    EXPECT_TRUE(again.profileChooser()->currentText().endsWith(")"));
}

TEST(Form1WithoutCatalogue, StartsWithAnEmptyChooserAndSaysSoOnce)
{
    FakeDesktop::current().reset();
    ProgramFolder folder(false);
    Form1 w;
    EXPECT_EQ(w.profileChooser()->count(), 0);
    EXPECT_EQ(w.options()->value("Audio Options", "Sample Rate"), "N/A");
    ASSERT_EQ(FakeDesktop::current().messages().size(), 1);
    EXPECT_TRUE(FakeDesktop::current().messages().first().contains(folder.path() + "ct.s3db"));
}

TEST_F(Form1Test, ConvertNowConvertsTheQueueWithTheChosenProfile)
{
    IniFile::write(folder.settingsFile(), "set", "outputfolder", folder.path() + "out");
    QDir().mkpath(folder.path() + "out");
    Form1 w;
    w.show();
    const QString clip = folder.file("holiday clip.avi");
    ASSERT_TRUE(MediaFixtures::make(clip, 2));
    w.queue()->probe()->AddVideoFile(clip);
    QTRY_COMPARE_WITH_TIMEOUT(w.conversionList()->text(0, ConversionList::End), QString("0:00:02"),
                              20000);
    const int mp4 = w.profileChooser()->findText("MP4", Qt::MatchContains);
    ASSERT_GE(mp4, 0);
    w.profileChooser()->setCurrentIndex(mp4);
    Q_EMIT w.profileChooser()->activated(mp4);
    w.findChild<QToolButton *>("Image11")->click();
    QTRY_COMPARE_WITH_TIMEOUT(FakeDesktop::current().messages(), QStringList{"Conversion completed!"},
                              60000);
    EXPECT_EQ(w.conversionList()->text(0, ConversionList::Status), "OK");
    EXPECT_TRUE(QFile::exists(folder.path() + "out/holiday clip.mp4"));
    EXPECT_EQ(FakeDesktop::current().callsOf("openFolder").size(), 1);
    EXPECT_FALSE(w.findChild<QWidget *>("Picture4")->isVisible());
}

TEST_F(Form1Test, TheListsFailedEntryStartsARunOfTheFailedRows)
{
    Form1 w;
    auto *again = w.findChild<QAction *>("convertfailed");
    ASSERT_TRUE(again);
    for (const char *name : {"a.avi", "b.avi"})
        w.conversionList()->addItem(folder.file(name));
    w.conversionList()->setText(0, ConversionList::Status, "OK");
    w.conversionList()->setText(1, ConversionList::Status, "Fail");
    ASSERT_TRUE(again->isEnabled());
    w.profileChooser()->setCurrentIndex(w.profileChooser()->findText("MP4", Qt::MatchContains));
    again->trigger();
    EXPECT_TRUE(w.conversionRun()->isRunning());
    EXPECT_EQ(w.conversionRun()->rows(), QList<int>({1}));
    w.conversionRun()->stop();
}

TEST_F(Form1Test, AcceptedSettingsShowTheNewOutputFolder)
{
    Form1 w;
    w.show();
    QTimer::singleShot(50, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit *>("Text2")->setText("/srv/new place");
        dialog->findChild<QPushButton *>("Command1")->click();
    });
    action(w, "options")->trigger();
    EXPECT_EQ(w.findChild<QLabel *>("SkinLabel3")->text(), "Video Output Folder: /srv/new place");
}

TEST_F(Form1Test, TheWindowComesBackWhereItWasAndNeverOffScreen)
{
    IniFile::write(folder.settingsFile(), "set", "mykey", "kept");
    {
        Form1 w;
        w.show();
        w.setGeometry(40, 30, 1000, 600);
        w.close();
    }
    EXPECT_EQ(IniFile::read(folder.settingsFile(), "set", "mainwindow"), "40,30,1000,600");
    EXPECT_EQ(IniFile::read(folder.settingsFile(), "set", "mykey"), "kept");
    {
        Form1 again;
        EXPECT_EQ(again.geometry(), QRect(40, 30, 1000, 600));
    }
    // A place on a screen that is gone comes back onto the one there is.
    IniFile::write(folder.settingsFile(), "set", "mainwindow", "5000,4000,1000,600");
    Form1 moved;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_GE(screen.width(), 1000);
    EXPECT_TRUE(screen.contains(moved.geometry())) << moved.geometry().x();
    EXPECT_EQ(moved.size(), QSize(1000, 600));
}

TEST_F(Form1Test, FirstLayoutFitsEveryColumnOfTheList)
{
    Form1 w;
    w.show();
    auto *list = w.findChild<QTreeView *>("lvwAudioTracks");
    w.conversionList()->addItem("/home/me/Videos/a rather long folder name/holiday 2024.avi");
    QCoreApplication::processEvents();
    QHeaderView *header = list->header();
    int right = 0;
    for (int column = 0; column < header->count(); ++column) {
        right += header->sectionSize(column);
        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << column;
        if (column > 0) {
            EXPECT_GT(header->sectionSize(0), header->sectionSize(column)) << column;
        }
    }
    EXPECT_LE(right, list->viewport()->width());
}

TEST_F(Form1Test, ConvertNowWithoutAnOutputTypeSaysSoAndStartsNothing)
{
    Form1 w; // a first start: no type chosen
    w.show();
    w.conversionList()->addItem(folder.file("a.avi"));
    action(w, "BurnNow")->trigger();
    const QStringList boxes = FakeDesktop::current().messages();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("No output type is chosen.")) << boxes[0].toStdString();
    EXPECT_FALSE(w.findChild<QWidget *>("Picture4")->isVisible());
    EXPECT_EQ(w.conversionList()->text(0, ConversionList::Status), "");
}

// The window's side of the kept queue: the setting that turns the bringing back off, and
// the one line about a file that could not be read. The file has tests of its own.
TEST_F(Form1Test, AStartTellsWhatBecameOfTheKeptQueue)
{
    const QString queueFile = folder.file("queue.dat");
    ASSERT_TRUE(QueueFile::write(queueFile, {{folder.file("plus.jpg"), "", "", "", ""}}));
    IniFile::write(folder.settingsFile(), "set", "restorequeue", "0");
    {
        Form1 w;
        EXPECT_EQ(w.conversionList()->count(), 0);
        EXPECT_EQ(w.statusBar()->currentMessage(), "");
    }
    IniFile::write(folder.settingsFile(), "set", "restorequeue", "1");
    QFile damaged(queueFile);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("not a queue\n") > 0);
    damaged.close();
    Form1 w;
    EXPECT_EQ(w.statusBar()->currentMessage(),
              "The queue of the last run could not be read (it is not a queue file, or it is "
              "damaged); it was kept as " +
                  queueFile + ".unreadable.");
    EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());
}

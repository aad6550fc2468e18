// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/conversionlist.h"
#include "media/conversionlistview.h"
#include "media/mediaprobe.h"
#include "media/queuecontroller.h"

#include "media/columnfit.h"
#include "media/failurereasonbox.h"
#include "media/folderwalk.h"

#include "common/fakedesktop.h"
#include "common/programfolder.h"
#include "common/realdesktop.h"
#include "common/testfiles.h"
#include "profiles/optionnames.h"
#include "profiles/optionset.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QUrl>
#include <gtest/gtest.h>

#include <numeric>

#include <sys/stat.h>

class QueueTest : public ::testing::Test
{
protected:
    QueueTest()
    {
        FakeDesktop::current().reset();
        m_options.addRow(OptionNames::General, OptionNames::ItemName, OptionSet::Kind::Display,
                         "Auto");
        for (const QString &row :
             {OptionNames::AllClipDuration, OptionNames::StartTime, OptionNames::StopTime})
            m_options.addRow(OptionNames::OutputDuration, row, OptionSet::Kind::Display, "old");
        m_view.setQueue(&m_queue);
        m_view.resize(900, 300);
        m_view.show();
    }

    // Files dropped on the list as a file manager drops them.
    void drop(const QStringList &paths)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &p : paths)
            urls << QUrl::fromLocalFile(p);
        mime.setUrls(urls);
        const QPointF at(50, 20);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(m_view.viewport(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(m_view.viewport(), &dropped);
        QCoreApplication::processEvents();
    }
    void waitIdle()
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !m_queue.probe()->isBusy(); }, 30000));
    }
    QStringList fileNames() const
    {
        QStringList names;
        for (int r = 0; r < m_list.count(); ++r)
            names << m_list.text(r, ConversionList::FileName);
        return names;
    }
    QPoint rowCentre(int row) const { return m_view.visualRect(m_list.index(row, 0)).center(); }

    ProgramFolder m_folder;
    ConversionList m_list;
    OptionSet m_options;
    QueueController m_queue{&m_list, &m_options};
    ConversionListView m_view;
};

TEST_F(QueueTest, DropStopsAtTheFirstFileThatIsNoVideo)
{
    drop({"/media/one.avi", "/media/notes.txt", "/media/two.mkv"});
    waitIdle();
    EXPECT_EQ(fileNames(), QStringList({"/media/one.avi"}));
    const auto messages = FakeDesktop::current().callsOf("message");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Only Video files are allowed!");
    EXPECT_EQ(messages[0].icon, Desktop::Icon::Information);
}

TEST_F(QueueTest, FilesGivenAtStartJoinAsADropWithEveryTypeTheDialogOffers)
{
    QTemporaryDir dir;
    QStringList given;
    for (const char *name :
         {"one.vob", "two.MKV", "three.wma", "four.swf", "five.txt", "six.avi"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        given << file.fileName();
    }
    const QString missing = dir.filePath("gone.mp4");
    given.insert(2, missing);
    m_queue.addGivenFiles(given, &m_view);
    waitIdle();
    // .vob and .wma are in the dialog's filter only, .swf is in the drop's list only;
    // the text file stops the rest, as a drop stops.
    EXPECT_EQ(fileNames(), QStringList({given[0], given[1], given[3], given[4]}));
    const QStringList messages = FakeDesktop::current().messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], "Only Video files are allowed!");
    EXPECT_EQ(messages[1], "These files were not found:\n" + missing);
}

TEST_F(QueueTest, DropLooksOnlyAtTheLastLettersOfTheName)
{
    drop({"/media/Holiday.Mp4", "/media/platform", "/media/movie.swf", "/media/clip.WebM",
          "/media/a.qt", "/media/b.RMVB"});
    waitIdle();
    EXPECT_EQ(m_list.count(), 6);
    EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());

    for (const char *refused : {"song.mp3", "voice.wav", "a.mp", "avi.", "x.mpeg4", ""})
        EXPECT_FALSE(QueueController::isVideoFile(refused)) << refused;
    for (const char *accepted : {"mkv", "a.m4v", "b.3G2", "c.m2ts", "d.divx", "e.ogv", "f.rm"})
        EXPECT_TRUE(QueueController::isVideoFile(accepted)) << accepted;
}

TEST_F(QueueTest, DragsOfAnythingButLocalFilesAreRefused)
{
    QMimeData mime;
    mime.setUrls({QUrl("https://example.org/video.avi")});
    QDragEnterEvent enter(QPoint(50, 20), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(m_view.viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(QueueTest, AddByDialogKeepsTheDialogsOrderAndFilter)
{
    FakeDesktop::current().fileAnswers.enqueue({"/videos/c.avi", "/videos/a.avi", "/videos/b.avi"});
    FakeDesktop::current().fileAnswers.enqueue({"/root.avi", "/videos/a.avi"});
    m_view.addFilesAction()->trigger();
    m_queue.addByDialog();
    m_queue.addByDialog(); // cancelled
    waitIdle();
    EXPECT_EQ(fileNames(), QStringList({"/videos/c.avi", "/videos/a.avi", "/videos/b.avi",
                                        "/root.avi", "/videos/a.avi"}));

    const auto calls = FakeDesktop::current().callsOf("openFiles");
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[0].text, "Open Video File");
    EXPECT_EQ(
        calls[0].filter,
        "All supported media "
        "files|*.avi;*.wmv;*.wma;*.asf;*.mov;*.mp4;*.3gp;*.3g2;*.rm;*.rmvb;*.flv;*.mkv;*.m2ts;*."
        "m1v;*.mpe;*.mpg;*.mpeg;*.m2v;*.divx;*.ogm;*.vro;*.dr;*.amv;*.ms-dvr;*.dvr-ms;*.m4v;*.qt;*."
        "3gp2;*.3gpp;*.mpeg4;*.rv;*.f4v;*.avs;*.mts;*.tod;*.mpv;*.dat;*.mpeg1;*.vob;*.mpeg2;*.m2p;*"
        ".mod;*.ts;*.tp;*.m2t;*.ogv;*.ogg;*.nsv;*.webm;*.m4v|"
        "Windows Media files "
        "(*.avi;*.wmv;*.wma;*.asf;*.ms-dvr;*.dvr-ms)|*.avi;*.wmv;*.wma;*.asf;*.ms-dvr;*.dvr-ms|"
        "Mov/MP4 Files "
        "(*.mov;*.mp4;*.3gp;*.3g2;*.m4v;*.qt;*.3gp2;*.3gpp;*.mpeg4)|*.mov;*.mp4;*.3gp;*.3g2;*.m4v;*"
        ".qt;*.3gp2;*.3gpp;*.mpeg4|"
        "Real Media Files (*.rm;*.rmvb;*.rv)|*.rm;*.rmvb;*.rv|"
        "Flash Video files (*.flv;*.f4v)|*.flv;*.f4v|"
        "Matroska Video files (*.mkv)|*.mkv|"
        "AviSynth Scripts (*.avs)|*.avs|"
        "Sony High Definition Video File (*.m2ts;*.mts;*.tod)|*.m2ts;*.mts;*.tod|"
        "MPEG-1 Video File "
        "(*.m1v;*.mpe;*.mpg;*.mpeg;*.mpv;*.dat;*.mpeg1)|*.m1v;*.mpe;*.mpg;*.mpeg;*.mpv;*.dat;*."
        "mpeg1|"
        "MPEG-2 Video File "
        "(*.m2v;*.mpe;*.mpg;*.mpeg;*.mpv;*.vob;*.mpeg2;*.m2p;*.mod)|*.m2v;*.mpe;*.mpg;*.mpeg;*.vob;"
        "*.mpeg2;*.m2p;*.mod|"
        "MPEG Transport Stream Files (*.ts;*.tp;*.m2t)|*.ts;*.tp;*.m2t|"
        "Divx Video File (*.divx)|*.divx|"
        "Ogg Media File (*.ogm;*.ogv;*.ogg)|*.ogm;*.ogv;*.ogg|"
        "DVD-VR Video File(*.vro)|*.vro|"
        "Nullsoft Stream Video Files (*.nsv)|*.nsv|"
        "Other Video File(*.dr;*.amv;*.webm)|*.dr;*.amv;*.webm|"
        "All files (*.*)|*.*|");
}

// Qt's dialog shows each description as written and takes only the patterns given: a
// description naming a pattern its list lacks does not start accepting it.
TEST_F(QueueTest, TheOpenDialogShowsTheFilterTextsAsWritten)
{
    QFileDialog dialog;
    dialog.setOptions(RealDesktop::NameFilterOptions | QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(RealDesktop::qtFilter(QueueController::openFilter()).split(";;"));
    const QComboBox *types = dialog.findChild<QComboBox *>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    const QStringList pieces = QueueController::openFilter().split('|');
    ASSERT_EQ(types->count() * 2 + 1, pieces.size());
    for (int i = 0; i < types->count(); ++i)
        EXPECT_EQ(types->itemText(i), pieces[2 * i]);
    const QString mpeg2 = dialog.nameFilters().at(9);
    EXPECT_TRUE(mpeg2.startsWith("MPEG-2 Video File (*.m2v;")) << mpeg2.toStdString();
    EXPECT_FALSE(mpeg2.section('(', -1).contains("*.mpv")) << mpeg2.toStdString();
    dialog.setNameFilters({RealDesktop::qtFilter("Avi Video file|*.avi|")});
    EXPECT_EQ(types->itemText(0), "Avi Video file");
}

TEST_F(QueueTest, RemoveAndClearTouchOnlyWhatTheySay)
{
    m_queue.removeSelected();
    m_queue.clearAll();
    EXPECT_EQ(m_list.count(), 0);

    for (const char *name : {"/v/a.avi", "/v/b.avi", "/v/c.avi"})
        m_list.addItem(name);
    QSignalSpy removed(&m_list, &ConversionList::rowsRemoved);
    m_queue.removeSelected(); // nothing selected
    EXPECT_EQ(m_list.count(), 3);
    EXPECT_EQ(removed.count(), 0);

    m_queue.selectRow(1);
    m_view.removeAction()->trigger();
    EXPECT_EQ(fileNames(), QStringList({"/v/a.avi", "/v/c.avi"}));
    EXPECT_EQ(m_queue.selectedRow(), -1);
    m_view.clearAction()->trigger();
    EXPECT_EQ(m_list.count(), 0);
    EXPECT_EQ(m_options.value(OptionNames::General, OptionNames::ItemName), "Auto");
}

TEST_F(QueueTest, ClickShowsTheRowInTheSheetAndMakesItThePreviewFile)
{
    QSignalSpy previewFile(&m_queue, &QueueController::currentFileChanged);
    m_queue.listClick(); // empty list
    EXPECT_EQ(m_options.value(OptionNames::General, OptionNames::ItemName), "Auto");

    m_list.addItem("/v/first.avi");
    const int row = m_list.addItem("/v/my clip.mkv");
    m_list.setText(row, ConversionList::Start, "0:00:05");
    m_list.setText(row, ConversionList::End, "25:00:00");
    QTest::mouseClick(m_view.viewport(), Qt::LeftButton, {}, rowCentre(row));
    EXPECT_EQ(m_queue.selectedRow(), row);
    ASSERT_EQ(previewFile.count(), 1);
    EXPECT_EQ(previewFile.first().first().toString(), "/v/my clip.mkv");
    EXPECT_EQ(m_options.value(OptionNames::General, OptionNames::ItemName), "/v/my clip.mkv");
    EXPECT_EQ(m_options.value(OptionNames::OutputDuration, OptionNames::AllClipDuration), "");
    EXPECT_EQ(m_options.value(OptionNames::OutputDuration, OptionNames::StartTime), "0:00:05");
    EXPECT_EQ(m_options.value(OptionNames::OutputDuration, OptionNames::StopTime), "25:00:00");
}

// While the list has rows one of them is current, and the sheet shows it: never a file
// that has left the list.
TEST_F(QueueTest, TheSheetAndTheEditorFollowTheCurrentRowWhileRowsComeAndGo)
{
    QSignalSpy editor(&m_queue, &QueueController::clipEditorRequested);
    const auto sheet = [&] {
        return QStringList{m_options.value(OptionNames::General, OptionNames::ItemName),
                           m_options.value(OptionNames::OutputDuration, OptionNames::StartTime)};
    };
    for (const char *name : {"/v/a.avi", "/v/b.avi", "/v/c.avi"})
        m_list.addItem(name);
    m_list.setText(0, ConversionList::Start, "0:00:03");
    EXPECT_EQ(m_queue.currentRow(), 0);
    EXPECT_EQ(sheet(), QStringList({"/v/a.avi", "0:00:03"}));
    m_view.clipAction()->trigger();
    QTest::mouseClick(m_view.viewport(), Qt::LeftButton, {}, rowCentre(1));
    QTest::mouseDClick(m_view.viewport(), Qt::LeftButton, {}, rowCentre(1));
    ASSERT_EQ(editor.count(), 2);
    EXPECT_EQ(editor.at(0).at(0).toInt(), 0);
    EXPECT_EQ(editor.at(1).at(0).toInt(), 1);

    m_view.removeAction()->trigger(); // b.avi, the current row
    EXPECT_EQ(fileNames(), QStringList({"/v/a.avi", "/v/c.avi"}));
    EXPECT_EQ(sheet().first(), m_list.text(m_queue.currentRow(), ConversionList::FileName));
    m_view.clearAction()->trigger();
    EXPECT_EQ(m_queue.currentRow(), -1);
    EXPECT_EQ(sheet(), QStringList({"Auto", "00:00:00"}));
    m_list.addItem("/v/d.avi");
    EXPECT_EQ(sheet().first(), "/v/d.avi");
}

TEST_F(QueueTest, RightButtonOpensTheContextMenu)
{
    m_list.addItem("/v/a.avi");
    m_list.addItem("/v/b.avi");
    QMenu *menu = m_view.findChild<QMenu *>("popupmenu1");
    ASSERT_EQ(menu, m_view.popupMenu());
    QStringList entries;
    for (QAction *action : menu->actions()) {
        // As the menu shows it: no letter marked as a shortcut, "&&" a plain "&".
        EXPECT_EQ(QKeySequence::mnemonic(action->text()), QKeySequence())
            << action->text().toStdString();
        entries << (action->isSeparator() ? QStringLiteral("-")
                                          : action->text().replace("&&", "&"));
    }
    EXPECT_EQ(entries,
              QStringList({"Convert Now!", "Convert Failed Files Again", "Show Why It Failed", "-",
                           "Play Selected File", "Video Clip & WaterMark", "-", "Add Files",
                           "Remove Selected Item", "Clear All Items", "Remove Converted Files", "-",
                           "Move Up", "Move Down", "Open Output Folder", "-",
                           "Capture Video From DV", "Import Video From Youtube"}));

    QTest::mouseClick(m_view.viewport(), Qt::MiddleButton, {}, rowCentre(1));
    EXPECT_FALSE(menu->isVisible());
    QTest::mousePress(m_view.viewport(), Qt::RightButton, {}, rowCentre(1));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(m_queue.selectedRow(), 1);
    menu->hide();
}

TEST_F(QueueTest, TheFailedFilesEntryIsThereOnlyWhileAFileFailed)
{
    QAction *again = m_view.convertFailedAction();
    EXPECT_FALSE(again->isEnabled());
    m_list.addItem("/v/a.avi");
    m_list.addItem("/v/b.avi");
    m_list.setText(0, ConversionList::Status, "OK");
    m_list.setText(1, ConversionList::Status, "Cancel");
    EXPECT_FALSE(again->isEnabled());
    m_list.setText(1, ConversionList::Status, "Fail");
    EXPECT_TRUE(again->isEnabled());
    m_list.setText(1, ConversionList::Status, "Processing");
    EXPECT_FALSE(again->isEnabled());
    m_list.setText(1, ConversionList::Status, "Fail");
    m_list.removeItem(1);
    EXPECT_FALSE(again->isEnabled());
    m_list.setText(0, ConversionList::Status, "Fail");
    m_queue.clearAll();
    EXPECT_FALSE(again->isEnabled());
}

TEST_F(QueueTest, DoubleClickAndTheClipEntryAskForTheEditor)
{
    m_list.addItem("/v/a.avi");
    m_list.addItem("/v/b.avi");
    QSignalSpy editor(&m_queue, &QueueController::clipEditorRequested);
    QTest::mouseClick(m_view.viewport(), Qt::LeftButton, {}, rowCentre(1));
    QTest::mouseDClick(m_view.viewport(), Qt::LeftButton, {}, rowCentre(1));
    m_view.clipAction()->trigger();
    ASSERT_EQ(editor.count(), 2);
    EXPECT_EQ(editor.at(0).at(0).toInt(), 1);
    EXPECT_EQ(editor.at(1).at(0).toInt(), 1);
}

TEST_F(QueueTest, DeleteRemovesTheSelectedRow)
{
    for (const char *name : {"/v/a.avi", "/v/b.avi", "/v/c.avi"})
        m_list.addItem(name);
    QTest::keyClick(&m_view, Qt::Key_Delete); // nothing selected
    EXPECT_EQ(m_list.count(), 3);
    m_queue.selectRow(1);
    QTest::keyClick(&m_view, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(m_list.count(), 3);
    QTest::keyClick(&m_view, Qt::Key_Delete);
    EXPECT_EQ(fileNames(), QStringList({"/v/a.avi", "/v/c.avi"}));
}

TEST_F(QueueTest, AFailedRowShowsWhyInABoxThatCopies)
{
    m_list.addItem("/v/good.avi");
    const int bad = m_list.addItem("/v/bad.avi");
    m_list.setText(0, ConversionList::Status, "OK");
    m_list.setText(bad, ConversionList::Status, "Fail");
    const QString why = "[libx264 @ 0x5581] width not divisible by 2 (161x120)\n"
                        "Error initializing output stream 0:0";
    m_list.setToolTip(bad, why);
    QAction *entry = m_view.whyFailedAction();

    QTest::mousePress(m_view.viewport(), Qt::RightButton, {}, rowCentre(0));
    EXPECT_FALSE(entry->isEnabled());
    m_view.popupMenu()->hide();
    entry->trigger();
    EXPECT_EQ(m_view.window()->findChild<FailureReasonBox *>(), nullptr);

    QTest::mousePress(m_view.viewport(), Qt::RightButton, {}, rowCentre(bad));
    EXPECT_TRUE(entry->isEnabled());
    m_view.popupMenu()->hide();
    entry->trigger();
    auto *box = m_view.window()->findChild<FailureReasonBox *>("failureReasonBox");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    auto *text = box->findChild<QPlainTextEdit *>("reasonText");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->toPlainText(), why);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);
    box->findChild<QPushButton *>("copyButton")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), why);
    // The tooltip stays.
    EXPECT_EQ(m_list.index(bad, ConversionList::Status).data(Qt::ToolTipRole).toString(), why);
    box->close();
}

TEST(ColumnFit, TheFileNameTakesTheRestAndStaysTheWidest)
{
    const QList<int> needs = {60, 50, 50, 70, 50, 75, 75, 70};
    const QList<int> roomy = ColumnFit::widths(600, needs);
    EXPECT_EQ(roomy, QList<int>({160, 50, 50, 70, 50, 75, 75, 70}));
    for (int room : {500, 400, 200, 40}) {
        const QList<int> tight = ColumnFit::widths(room, needs);
        ASSERT_EQ(tight.size(), 8);
        EXPECT_LE(std::accumulate(tight.begin(), tight.end(), 0), room) << room;
        for (int column = 1; column < 8; ++column)
            EXPECT_GT(tight[0], tight[column]) << room << " " << column;
    }
}

TEST_F(QueueTest, LongTextsShowWholeOnHoverAndAWidthTheUserSetStays)
{
    m_view.resize(620, 300);
    const QString path = "/media/videos/holidays/2024/the long way round to the sea.avi";
    const int row = m_list.addItem(path);
    m_list.setText(row, ConversionList::Format, "A FORMAT NAME FAR TOO LONG FOR ITS COLUMN");
    QCoreApplication::processEvents();
    QHeaderView *header = m_view.header();

    const auto tipAt = [&](int column) {
        const QRect cell = m_view.visualRect(m_list.index(row, column));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        m_view.viewport()->mapToGlobal(cell.center()));
        QCoreApplication::sendEvent(m_view.viewport(), &help);
        const QString tip = QToolTip::isVisible() ? QToolTip::text() : QString();
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
        return tip;
    };
    EXPECT_EQ(tipAt(ConversionList::FileName), path);
    EXPECT_EQ(tipAt(ConversionList::Format), "A FORMAT NAME FAR TOO LONG FOR ITS COLUMN");
    m_list.setText(row, ConversionList::Size, "320x240");
    EXPECT_EQ(tipAt(ConversionList::Size), "");

    // A wider list gives the room to the file name; a column the user sized stays so.
    m_view.resize(1000, 300);
    QCoreApplication::processEvents();
    EXPECT_GT(header->sectionSize(0), 450);
    header->resizeSection(ConversionList::Format, 200);
    m_view.resize(700, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(header->sectionSize(ConversionList::Format), 200);
}

// A tree as users keep their clips: sub-folders, pictures and notes beside the videos,
// hidden files, a pipe, and a link back up the tree that a walk must not follow.
TEST_F(QueueTest, ADroppedFolderAddsItsVideosSortedInItsPlace)
{
    QTemporaryDir dir;
    const QString top = dir.filePath("Holiday 2026");
    for (const char *sub : {"b day two", "a day one/evening", "empty"})
        ASSERT_TRUE(QDir().mkpath(top + '/' + sub));
    const QStringList videos = {"a day one/beach.MP4", "a day one/evening/fire $x.mkv",
                                "b day two/-dash.avi", "z last.webm"};
    for (const QString &name : videos + QStringList{"a day one/beach.jpg", "notes.txt",
                                                    "b day two/readme", ".hidden.avi"})
        TestFiles::store(top + '/' + name, "x");
    ASSERT_EQ(::mkfifo(QFile::encodeName(top + "/pipe.avi").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(top, top + "/b day two/loop"));
    const QString before = dir.filePath("before.avi");
    const QString after = dir.filePath("after.mkv");

    drop({before, top, after});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_queue.isAdding(); }, 10000));
    waitIdle();
    QStringList expected = {before};
    for (const QString &name : videos)
        expected << top + '/' + name;
    expected << after;
    EXPECT_EQ(fileNames(), expected);
    EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());

    // Given at start, a folder joins the same way; one line counts what was passed over.
    QSignalSpy status(&m_queue, &QueueController::statusMessage);
    m_queue.clearAll();
    m_queue.addGivenFiles({top + "/b day two"}, &m_view);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_queue.isAdding(); }, 10000));
    waitIdle();
    EXPECT_EQ(fileNames(), QStringList({top + "/b day two/-dash.avi"}));
    ASSERT_EQ(status.size(), 1);
    EXPECT_EQ(status[0][0].toString(), "Passed over 1 file that is not a video file.");
}

TEST_F(QueueTest, ClearAllEndsTheWalkOfADroppedFolder)
{
    QTemporaryDir dir;
    for (int i = 0; i < 3 * FolderWalk::SliceEntries; ++i)
        TestFiles::store(dir.filePath(QStringLiteral("clip %1.avi").arg(i, 4, 10, QChar('0'))), "");
    drop({dir.path()});
    EXPECT_TRUE(m_queue.isAdding()) << "the walk is to leave the event loop its turns";
    m_queue.clearAll();
    EXPECT_FALSE(m_queue.isAdding());
    QTest::qWait(100);
    waitIdle();
    EXPECT_EQ(m_list.count(), 0);
}

TEST_F(QueueTest, RowsMoveByTheMenuAndItsKeysAndStaySelected)
{
    for (const char *name : {"/v/a.avi", "/v/b.avi", "/v/c.avi"})
        m_list.addItem(name);
    const quint64 idOfC = m_list.id(2);
    m_queue.selectRow(2);
    QTest::keyClick(&m_view, Qt::Key_Up, Qt::ControlModifier);
    m_view.moveUpAction()->trigger();
    m_view.moveUpAction()->trigger(); // at the top already
    EXPECT_EQ(fileNames(), QStringList({"/v/c.avi", "/v/a.avi", "/v/b.avi"}));
    EXPECT_EQ(m_list.id(0), idOfC);
    QTest::keyClick(&m_view, Qt::Key_Down, Qt::ControlModifier);
    m_view.moveDownAction()->trigger();
    m_view.moveDownAction()->trigger(); // at the bottom already
    EXPECT_EQ(fileNames(), QStringList({"/v/a.avi", "/v/b.avi", "/v/c.avi"}));
    EXPECT_EQ(m_queue.selectedRow(), 2);
}

TEST_F(QueueTest, ConvertedRowsGoAndTheirFolderOpens)
{
    for (const char *name : {"/v/a.avi", "/v/b.avi", "/v/c.avi", "/v/d.avi"})
        m_list.addItem(name);
    const QStringList statuses = {"OK", "Fail", "OK", "Cancel"};
    for (int row = 0; row < statuses.size(); ++row)
        m_list.setText(row, ConversionList::Status, statuses[row]);
    m_list.setOutputPath(2, "/out/my videos/c.mp4");
    QAction *open = m_view.openOutputFolderAction();
    m_queue.selectRow(1);
    EXPECT_FALSE(open->isEnabled());
    m_queue.selectRow(2);
    EXPECT_TRUE(open->isEnabled());
    open->trigger();
    const auto opened = FakeDesktop::current().callsOf("openFolder");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].text, "/out/my videos");

    m_view.removeConvertedAction()->trigger();
    EXPECT_EQ(fileNames(), QStringList({"/v/b.avi", "/v/d.avi"}));
}

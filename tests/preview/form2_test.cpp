// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/fakedesktop.h"
#include "common/programfolder.h"
#include "media/conversionlist.h"
#include "media/previewplayer.h"
#include "preview/form2.h"
#include "preview/previewpanel.h"
#include "preview/rangetool.h"
#include "thumbdrag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {
const QString TimeError = "Start time or End time is error.";

struct Editor : ::testing::Test
{
    ProgramFolder folder;
    QTemporaryDir dir;
    ConversionList list;
    PreviewPlayer player;
    std::unique_ptr<Form2> form;

    void SetUp() override
    {
        FakeDesktop::current().reset();
        list.addItem("/media/first.avi");
        const int row = list.addItem("/media/my clip.avi");
        list.setText(row, ConversionList::Start, "0:00:00");
        list.setText(row, ConversionList::End, "0:02:30");
        list.setText(row, ConversionList::VideoTime, "0:02:30");
        list.setText(row, ConversionList::Status, "Ready");
    }

    void open(int row = 1)
    {
        ASSERT_TRUE(Form2::prepareFor(list, row, &player));
        form = std::make_unique<Form2>(list, row, &player);
        form->show();
        // A track of 150 pixels: one pixel per second of a 150-second file.
        tool()->setFixedWidth(167);
        QCoreApplication::processEvents();
        ASSERT_EQ(tool()->width(), 167);
    }

    template <typename T> T *get(const char *name) { return form->findChild<T *>(name); }
    QString text(const char *name) { return get<QLineEdit>(name)->text(); }
    RangeTool *tool() { return get<RangeTool>("RangeTool1"); }
    QWidget *thumb(const char *name) { return tool()->findChild<QWidget *>(name); }
    void ok() { get<QPushButton>("Command1")->click(); }
    void typeTimes(const QString &start, const QString &end)
    {
        get<QLineEdit>("Text1")->setText(start);
        get<QLineEdit>("Text2")->setText(end);
    }
    QString column(ConversionList::Column c) { return list.text(1, c); }

    QString picture(const QString &name, QColor colour = Qt::red)
    {
        QImage image(32, 16, QImage::Format_ARGB32);
        image.fill(colour);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }
    void choose(const QString &path)
    {
        FakeDesktop::current().fileAnswers.enqueue({path});
        QTest::mouseClick(get<QLabel>("Image1"), Qt::LeftButton);
    }
    qint64 thumbnailKey() { return get<QLabel>("Image1")->pixmap().cacheKey(); }
};
} // namespace

TEST_F(Editor, OpensWithTheRowsClip)
{
    ConversionList empty;
    EXPECT_FALSE(Form2::prepareFor(empty, 0, &player));
    EXPECT_EQ(Form2::openFor(empty, 0, &player), QDialog::Rejected);
    open();
    EXPECT_EQ(form->windowTitle(), "Clip Time  -  /media/my clip.avi");
    EXPECT_EQ(tool()->Min(), 0);
    EXPECT_EQ(tool()->Max(), 150);
    EXPECT_EQ(tool()->LowerValue(), 0);
    EXPECT_EQ(tool()->UpperValue(), 150);
    EXPECT_EQ(text("Text1"), "0:00:00");
    EXPECT_EQ(text("Text2"), "0:02:30");
    EXPECT_EQ(text("Text3"), "0:02:30");
    EXPECT_EQ(form->preview()->total(), 150);
    EXPECT_FALSE(get<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(get<QComboBox>("Combo1")->currentText(), "Top left corner");
    EXPECT_EQ(get<QComboBox>("Combo1")->count(), 5);
    EXPECT_FALSE(get<QLabel>("Image1")->pixmap().isNull()); // the placeholder
    EXPECT_NE(form->findChild<QWidget *>("Text4"), nullptr);
}

TEST_F(Editor, DraggedThumbsShowTheTimesAndOkWritesThem)
{
    open();
    dragThumb(thumb("picBottom"), {20});
    dragThumb(thumb("picTop"), {95});
    EXPECT_EQ(text("Text1"), "0:00:20");
    EXPECT_EQ(text("Text2"), "0:01:35");
    EXPECT_EQ(text("Text3"), "0:01:15");
    ok();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(column(ConversionList::Start), "0:00:20");
    EXPECT_EQ(column(ConversionList::End), "0:01:35");
    EXPECT_EQ(column(ConversionList::Watermark), "");
    EXPECT_EQ(column(ConversionList::Status), "Ready");
    EXPECT_EQ(list.text(0, ConversionList::Start), "");
    EXPECT_TRUE(form->clip().ClipFile.isEmpty());
    EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());
}

TEST_F(Editor, TimesAreComparedAsTimes)
{
    open();
    const QList<std::pair<QString, QString>> refused = {{"0:01:00", "0:01:00"},
                                                        {"10:00:00", "9:00:00"},
                                                        {"abc", "0:01:00"},
                                                        {"0:00:10", "1:75:00"}};
    for (const auto &[start, end] : refused) {
        FakeDesktop::current().reset();
        typeTimes(start, end);
        ok();
        ASSERT_EQ(FakeDesktop::current().messages(), QStringList{TimeError}) << start.toStdString();
        EXPECT_EQ(FakeDesktop::current().calls.first().icon, Desktop::Icon::Critical);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(column(ConversionList::End), "0:02:30");
    }
    typeTimes("9:00:00", "10:00:00");
    ok();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(column(ConversionList::Start), "9:00:00");
    EXPECT_EQ(column(ConversionList::End), "10:00:00");
}

TEST_F(Editor, ChosenPictureBecomesTheWatermark)
{
    open();
    const QString png = picture("logo.png");
    get<QCheckBox>("Check1")->setChecked(true);
    const qint64 placeholder = thumbnailKey();
    choose(png);
    const auto calls = FakeDesktop::current().callsOf("openFile");
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].text, "Open Image File");
    EXPECT_EQ(calls[0].filter, "Png Image file|*.png");
    EXPECT_NE(thumbnailKey(), placeholder);
    EXPECT_EQ(get<QLabel>("Image1")->pixmap().size(), QSize(32, 16));
    get<QComboBox>("Combo1")->setCurrentText("Center");
    ok();
    EXPECT_EQ(column(ConversionList::Watermark), "image;" + png + ";area;Center");
}

TEST_F(Editor, WatermarkNeedsBothTheBoxAndAPicture)
{
    list.setText(1, ConversionList::Watermark, "image;" + picture("old.png") + ";area;Center");
    open();
    get<QCheckBox>("Check1")->setChecked(false);
    ok();
    EXPECT_EQ(column(ConversionList::Watermark), "");

    open();
    get<QCheckBox>("Check1")->setChecked(true);
    ok();
    EXPECT_EQ(column(ConversionList::Watermark), "");
}

TEST_F(Editor, RowWithAWatermarkOpensWithItAndCanLoseIt)
{
    const QString png = picture("corner.png", Qt::blue);
    list.setText(1, ConversionList::Watermark, "image;" + png + ";area;Bottom right corner");
    open();
    EXPECT_EQ(form->clip().WatermarkImage, png);
    EXPECT_TRUE(get<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(get<QComboBox>("Combo1")->currentText(), "Bottom right corner");
    EXPECT_EQ(get<QLabel>("Image1")->pixmap().size(), QSize(32, 16));

    QTest::mouseClick(get<QLabel>("Image3"), Qt::LeftButton);
    EXPECT_TRUE(form->clip().WatermarkImage.isEmpty());
    EXPECT_NE(get<QLabel>("Image1")->pixmap().size(), QSize(32, 16));
    ok();
    EXPECT_EQ(column(ConversionList::Watermark), "");
}

TEST_F(Editor, UnusablePicturesChangeNothing)
{
    open();
    const QString good = picture("good.png");
    choose(good);
    const qint64 shown = thumbnailKey();

    QFile corrupt(dir.filePath("broken.png"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("not a picture");
    corrupt.close();
    choose(corrupt.fileName());
    EXPECT_EQ(form->clip().WatermarkImage, good);
    EXPECT_EQ(thumbnailKey(), shown);
    EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());

    const QString semicolon = picture("a;b.png");
    choose(semicolon);
    EXPECT_EQ(form->clip().WatermarkImage, good);
    EXPECT_EQ(thumbnailKey(), shown);
    ASSERT_EQ(FakeDesktop::current().messages().size(), 1);
    EXPECT_TRUE(FakeDesktop::current().messages().first().contains(semicolon));

    choose(QString()); // cancelled
    EXPECT_EQ(form->clip().WatermarkImage, good);
}

TEST_F(Editor, CancelAndCloseWriteNothing)
{
    open();
    dragThumb(thumb("picBottom"), {40});
    get<QCheckBox>("Check1")->setChecked(true);
    choose(picture("x.png"));
    get<QPushButton>("Command2")->click();
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(column(ConversionList::Start), "0:00:00");
    EXPECT_EQ(column(ConversionList::End), "0:02:30");
    EXPECT_EQ(column(ConversionList::Watermark), "");
    EXPECT_TRUE(form->clip().ClipFile.isEmpty());

    open();
    typeTimes("0:00:05", "0:00:07");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(column(ConversionList::Start), "0:00:00");
}

TEST_F(Editor, LongFilesShowLongTimes)
{
    list.setText(1, ConversionList::VideoTime, "10:00:00");
    list.setText(1, ConversionList::End, "10:00:00");
    open();
    EXPECT_EQ(tool()->Max(), 36000);
    dragThumb(thumb("picTop"), {200});
    dragThumb(thumb("picBottom"), {75});
    EXPECT_EQ(text("Text1"), "5:00:00");
    EXPECT_EQ(text("Text2"), "10:00:00");
    EXPECT_EQ(text("Text3"), "5:00:00");
}

TEST_F(Editor, OpensModallyFromTheQueue)
{
    QString seen;
    QTimer::singleShot(0, [&] {
        auto *editor = qobject_cast<Form2 *>(QApplication::activeModalWidget());
        if (!editor)
            return;
        seen = editor->windowTitle();
        editor->findChild<QLineEdit *>("Text1")->setText("0:00:30");
        editor->findChild<QPushButton *>("Command1")->click();
    });
    EXPECT_EQ(Form2::openFor(list, 1, &player), QDialog::Accepted);
    EXPECT_EQ(seen, "Clip Time  -  /media/my clip.avi");
    EXPECT_EQ(column(ConversionList::Start), "0:00:30");
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A clip and a watermark chosen in the editor, converted by the real encoder: the output
// is the chosen part of the file, with the picture where the editor put it.

#include "common/fakedesktop.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "convert/conversionrun.h"
#include "media/conversionlist.h"
#include "media/mediaprobe.h"
#include "media/previewplayer.h"
#include "preview/form2.h"
#include "profiles/optionnames.h"
#include "profiles/optionset.h"
#include "profiles/profileoptions.h"
#include "profiles/profileselection.h"
#include "settings/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Test names show the place, not the bytes of its text.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << text.toStdString();
}

namespace {
const QSize FrameSize(320, 240);
const QSize MarkSize(40, 40);
const QString Profile = QStringLiteral("MP4 - MPEG4 Video (*.mp4)");

// The background grows brighter by 20 luma steps a second, so a frame tells which second
// of the source it came from.
int sourceLuma(double seconds)
{
    return 16 + int(20 * seconds);
}

bool runEncoder(const QStringList &arguments)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(MediaFixtures::encoder(),
            QStringList{"-hide_banner", "-loglevel", "error", "-y"} + arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << p.readAll().toStdString();
        return false;
    }
    return true;
}

bool makeSource(const QString &path)
{
    return runEncoder({"-f", "lavfi", "-i",
                       QStringLiteral("color=c=black:size=%1x%2:rate=25:duration=10,"
                                      "format=yuv420p,geq=lum=16+20*T:cb=128:cr=128")
                           .arg(FrameSize.width())
                           .arg(FrameSize.height()),
                       "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=10",
                       "-c:v", "mpeg4", "-q:v", "2", "-c:a", "mp2", path});
}

bool isMark(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

// Where the overlay expressions put the picture.
QRect expectedMark(const QString &place)
{
    const int right = FrameSize.width() - MarkSize.width();
    const int bottom = FrameSize.height() - MarkSize.height();
    const QHash<QString, QPoint> corners = {
        {"Top left corner", {10, 10}},
        {"Top right corner", {right - 10, 10}},
        {"Bottom left corner", {10, bottom - 10}},
        {"Bottom right corner", {right - 5, bottom - 5}},
        {"Center", {right / 2, bottom / 2}},
    };
    return QRect(corners.value(place), MarkSize);
}

// The same rectangle mirrored through the frame's centre.
QRect opposite(const QRect &mark)
{
    return QRect(FrameSize.width() - mark.right() - 1, FrameSize.height() - mark.bottom() - 1,
                 mark.width(), mark.height());
}

class WatermarkConversion : public ::testing::TestWithParam<QString>
{
protected:
    void SetUp() override
    {
        FakeDesktop::current().reset();
        ASSERT_TRUE(m_media.isValid() && m_out.isValid());
        Settings::write(Settings::OutputFolderKey, m_out.path());
        m_source = m_media.filePath("source clip.avi");
        ASSERT_TRUE(makeSource(m_source));
        QImage mark(MarkSize, QImage::Format_ARGB32);
        mark.fill(Qt::red);
        m_mark = m_media.filePath("red mark.png");
        ASSERT_TRUE(mark.save(m_mark, "PNG"));
    }

    // Queues the source as "Add Files" does: the probe fills the row.
    void queueSource()
    {
        MediaProbe probe(&m_list);
        QSignalSpy idle(&probe, &MediaProbe::idle);
        probe.AddVideoFile(m_source);
        ASSERT_TRUE(idle.wait(30000));
        ASSERT_EQ(m_list.count(), 1);
        ASSERT_EQ(m_list.text(0, ConversionList::VideoTime), "0:00:10");
    }

    // The editor opened as the main window opens it, filled in and accepted by hand.
    void editRow(const QString &place)
    {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto *editor = qobject_cast<Form2 *>(QApplication::activeModalWidget());
            if (!editor)
                return;
            driven = true;
            for (const auto &[name, time] : {std::pair{"Text1", "0:00:02"}, {"Text2", "0:00:05"}}) {
                auto *field = editor->findChild<QLineEdit *>(name);
                field->selectAll();
                QTest::keyClicks(field, time);
            }
            FakeDesktop::current().fileAnswers.enqueue({m_mark});
            QTest::mouseClick(editor->findChild<QLabel *>("Image1"), Qt::LeftButton);
            editor->findChild<QCheckBox *>("Check1")->click();
            auto *places = editor->findChild<QComboBox *>("Combo1");
            places->setCurrentIndex(places->findText(place));
            editor->findChild<QPushButton *>("Command1")->click();
        });
        ASSERT_EQ(Form2::openFor(m_list, 0, &m_player), QDialog::Accepted);
        ASSERT_TRUE(driven);
        EXPECT_TRUE(FakeDesktop::current().messages().isEmpty());
        EXPECT_EQ(m_list.text(0, ConversionList::Start), "0:00:02");
        EXPECT_EQ(m_list.text(0, ConversionList::End), "0:00:05");
        EXPECT_EQ(m_list.text(0, ConversionList::Watermark), "image;" + m_mark + ";area;" + place);
    }

    // Converts the queue with a type of the shipped catalogue; the output's path.
    QString convert()
    {
        OptionSet options;
        ProfileOptions::prolist(options);
        ProfileSelection selection(&options);
        EXPECT_TRUE(selection.open());
        for (int i = 0; i < selection.count(); ++i) {
            if (selection.entries()[i].text.endsWith(Profile))
                selection.choose(i + 1);
        }
        const QString caption = selection.selectedCaption();
        EXPECT_TRUE(caption.endsWith(Profile)) << caption.toStdString();
        // The picture's place is measured in the source's pixels.
        options.setValue(OptionNames::VideoOptions, OptionNames::VideoSize,
                         QStringLiteral("%1x%2").arg(FrameSize.width()).arg(FrameSize.height()));

        ConversionRun run(&m_list, &options, [caption] { return caption; });
        QString output;
        QObject::connect(&run, &ConversionRun::rowFinished,
                         [&](int, const QString &, const QString &path) { output = path; });
        QSignalSpy ended(&run, &ConversionRun::finished);
        run.start();
        EXPECT_TRUE(ended.wait(60000));
        EXPECT_EQ(m_list.text(0, ConversionList::Status), "OK") << m_list.toolTip(0).toStdString();
        return output;
    }

    QImage frameAt(const QString &video, const QString &seconds)
    {
        const QString png = m_out.filePath("frame.png");
        if (!runEncoder({"-ss", seconds, "-i", video, "-frames:v", "1", png}))
            return {};
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    }

    ProgramFolder m_program;
    QTemporaryDir m_media;
    QTemporaryDir m_out;
    ConversionList m_list;
    PreviewPlayer m_player;
    QString m_source;
    QString m_mark;
};
} // namespace

TEST_P(WatermarkConversion, OutputIsTheClipWithThePictureInItsPlace)
{
    const QString place = GetParam();
    queueSource();
    editRow(place);
    const QString output = convert();
    ASSERT_FALSE(output.isEmpty());

    EXPECT_NEAR(MediaFixtures::duration(output), 3.0, 0.3);
    EXPECT_TRUE(MediaFixtures::hasStream(output, "audio"));

    // One second into the clip is the fourth second of the source.
    const QImage frame = frameAt(output, "1");
    ASSERT_EQ(frame.size(), FrameSize);
    QRect found;
    int marked = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (isMark(frame.pixel(x, y))) {
                found |= QRect(x, y, 1, 1);
                ++marked;
            }
        }
    }
    const QRect expected = expectedMark(place);
    const auto near = [](int a, int b) { return std::abs(a - b) <= 2; };
    EXPECT_TRUE(near(found.left(), expected.left()) && near(found.top(), expected.top()) &&
                near(found.right(), expected.right()) && near(found.bottom(), expected.bottom()))
        << "found " << found.x() << "," << found.y() << " " << found.width() << "x"
        << found.height();
    EXPECT_GT(marked, MarkSize.width() * MarkSize.height() * 8 / 10);
    if (place != "Center") {
        const QRect other = opposite(expected);
        EXPECT_FALSE(isMark(frame.pixel(other.center())));
    }

    // The background away from the picture says which second of the source this is.
    const QRgb background = frame.pixel(FrameSize.width() / 2, 4);
    const int grey = (sourceLuma(3.0) - 16) * 255 / 219;
    EXPECT_NEAR(qGreen(background), grey, 10);
    EXPECT_NEAR(qRed(background), grey, 10);
}

INSTANTIATE_TEST_SUITE_P(Places, WatermarkConversion, ::testing::ValuesIn(Form2::placeNames()),
                         [](const auto &info) {
                             return info.param.simplified().remove(' ').toStdString();
                         });

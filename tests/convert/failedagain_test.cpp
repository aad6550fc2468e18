// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfixture.h"

#include "common/mediafixtures.h"

#include <QFile>
#include <QSignalSpy>

TEST_F(RunFixture, OnlyTheFailedRowsConvertAgain)
{
    const QString first = clip("one.avi"), third = clip("three.avi");
    // Not a video yet: its first conversion fails.
    const QString second = m_media.filePath("two.avi");
    QFile broken(second);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4000, '\x17'));
    broken.close();
    addRow(first);
    addRow(second);
    addRow(third);
    ASSERT_TRUE(convert());
    ASSERT_EQ(statuses(), QStringList({"OK", "Fail", "OK"}));
    addRow(clip("four.avi"));
    m_list.setText(3, ConversionList::Status, "Cancel");
    const QStringList why = {m_list.toolTip(0), m_list.toolTip(1), m_list.toolTip(2)};

    // The file is made good; only its row runs, and the others keep what they showed.
    ASSERT_TRUE(QFile::remove(second));
    clip("two.avi");
    FakeDesktop::current().reset();
    m_totals.clear();
    QList<int> started;
    QList<QStringList> othersWhileRunning;
    QObject::connect(m_run.get(), &ConversionRun::rowStarted, [&](int row) {
        started << row;
        othersWhileRunning << statuses();
    });
    QSignalSpy ended(m_run.get(), &ConversionRun::finished);
    m_run->startFailed();
    ASSERT_TRUE(ended.wait(60000));

    EXPECT_EQ(started, QList<int>({1}));
    EXPECT_EQ(m_run->rows(), QList<int>({1}));
    EXPECT_EQ(statuses(), QStringList({"OK", "OK", "OK", "Cancel"}));
    EXPECT_EQ(othersWhileRunning, QList<QStringList>({{"OK", "Fail", "OK", "Cancel"}}));
    EXPECT_EQ(m_list.toolTip(0), why[0]);
    EXPECT_TRUE(m_list.toolTip(1).isEmpty());
    // The total is of this run's rows; the same end as any run.
    EXPECT_EQ(m_totals, QList<int>({0, 100, 100, 0}));
    EXPECT_EQ(FakeDesktop::current().messages(), QStringList({"Conversion completed!"}));
    const auto notices = FakeDesktop::current().callsOf("notify");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0].filter, "1 file converted, 0 failed.\n" + m_out.path());
    EXPECT_EQ(FakeDesktop::current().callsOf("openFolder").size(), 1);
    EXPECT_EQ(m_outcomes.last(), ConversionRun::Outcome::Completed);

    // Nothing failed any more: nothing starts.
    QSignalSpy again(m_run.get(), &ConversionRun::started);
    m_run->startFailed();
    EXPECT_FALSE(m_run->isRunning());
    EXPECT_EQ(again.count(), 0);
}

// A row is "OK" only when its output holds what was asked; converting failed rows again
// takes the file as it is now, not as it was probed.
TEST_F(RunFixture, AFailedRowConvertsAgainToTheFileAsItIsNow)
{
    struct Case
    {
        const char *file;
        const char *start, *end, *videoTime; // as the row shows them before the run
        QString status, why;
    };
    const Case cases[] = {
        // Probed while it was still being copied: no length then, three seconds now.
        {"late.avi", "0:00:00", "0:00:00", "0:00:00", "OK", ""},
        {"unknown.avi", "0:00:00", "", "", "OK", ""},
        {"cut.avi", "0:00:00", "0:00:03", "0:00:03", "Fail",
         "The output holds 1.0 s of the 3.0 s asked."},
        // A clip of no length: the encoder writes a file with nothing in it and exits 0.
        {"nothing.avi", "0:00:02", "0:00:02", "0:00:03", "Fail",
         "The converted file holds no picture or sound that can be read back."},
    };
    useFakeEncoder();
    for (const Case &c : cases) {
        const int row = m_list.addItem(clip(c.file, 3));
        m_list.setText(row, ConversionList::Start, c.start);
        m_list.setText(row, ConversionList::End, c.end);
        m_list.setText(row, ConversionList::VideoTime, c.videoTime);
        m_list.setText(row, ConversionList::Status, "Fail");
    }
    QSignalSpy ended(m_run.get(), &ConversionRun::finished);
    m_run->startFailed();
    ASSERT_TRUE(ended.wait(60000));
    for (int row = 0; row < m_list.count(); ++row) {
        const Case &c = cases[row];
        EXPECT_EQ(m_list.text(row, ConversionList::Status), c.status) << c.file;
        EXPECT_EQ(m_list.toolTip(row), c.why) << c.file;
        EXPECT_EQ(QFile::exists(output(QString(c.file).replace(".avi", ".mp4"))), c.status == "OK");
    }
    EXPECT_EQ(m_list.text(0, ConversionList::End), "0:00:03");
    EXPECT_NEAR(MediaFixtures::duration(output("late.mp4")), 3.0, 0.2);
    // A chosen clip keeps its times.
    EXPECT_EQ(m_list.text(3, ConversionList::End), "0:00:02");
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/mediaprobe.h"

#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "media/conversionlist.h"
#include "media/queuecontroller.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

// The player replaced by a script that logs when each probe begins and ends, waits
// longer for files named "slow" (long enough for the quick ones to pass it on a busy
// machine), then runs the real player.
class ParallelProbeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString player = m_folder.file("mp.dll");
        const QString real = QFile::symLinkTarget(player);
        QFile::remove(player);
        QFile script(player);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n"
                     "for a; do file=$a; done\n"
                     "echo \"+ $$ $file\" >> '" +
                     log().toUtf8() +
                     "'\n"
                     // A slow file's probe ends after the four quick ones, or after 20 s
                     // when there are none: a busy machine does not change the order.
                     "case \"$file\" in *slow*) n=0; while [ $n -lt 200 ] && "
                     "[ $(grep -c '^- .*quick' '" +
                     log().toUtf8() +
                     "') -lt 4 ]; do sleep 0.1; n=$((n+1)); done;; *) sleep 0.2;; esac\n"
                     "'" +
                     real.toUtf8() +
                     "' \"$@\"\n"
                     "rc=$?\n"
                     "echo \"- $$ $file\" >> '" +
                     log().toUtf8() +
                     "'\n"
                     "exit $rc\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    QString log() const { return m_dir.filePath("player.log"); }
    QString clip(const QString &name, int seconds)
    {
        const QString file = m_dir.filePath(name);
        MediaFixtures::Clip c;
        c.seconds = seconds;
        c.size = "160x120";
        c.audio = false;
        EXPECT_TRUE(MediaFixtures::make(file, c)) << name.toStdString();
        return file;
    }
    // The process ids of the players started, and the most that ran at once.
    QPair<QList<qint64>, int> players() const
    {
        QFile file(log());
        const QList<QByteArray> lines =
            file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
        QList<qint64> started;
        int running = 0, most = 0;
        for (const QByteArray &line : lines) {
            if (line.startsWith('+'))
                started << line.split(' ').value(1).toLongLong();
            running += line.startsWith('+') ? 1 : line.startsWith('-') ? -1 : 0;
            most = qMax(most, running);
        }
        return {started, most};
    }

    ProgramFolder m_folder;
    QTemporaryDir m_dir;
    ConversionList m_list;
};

TEST_F(ParallelProbeTest, RowsKeepTheOrderGivenWhileEachIsFilledWhenItsOwnProbeEnds)
{
    const QString slow = clip("slow long.avi", 40);
    const QStringList quick = {clip("quick 1.avi", 1), clip("quick 2.avi", 2),
                               clip("quick 3.avi", 3), clip("quick 4.avi", 4)};
    MediaProbe probe(&m_list);
    QSignalSpy probed(&probe, &MediaProbe::rowProbed);
    QSignalSpy idle(&probe, &MediaProbe::idle);
    probe.AddVideoFile(slow);
    for (const QString &file : quick)
        probe.AddVideoFile(file);
    // Two players start at once, so two rows are there at once.
    EXPECT_EQ(m_list.count(), 2);
    ASSERT_TRUE(idle.wait(60000));

    ASSERT_EQ(m_list.count(), 5);
    EXPECT_EQ(m_list.text(0, ConversionList::FileName), slow);
    EXPECT_EQ(m_list.text(0, ConversionList::End), "0:00:40");
    for (int i = 0; i < quick.size(); ++i) {
        EXPECT_EQ(m_list.text(i + 1, ConversionList::FileName), quick[i]);
        EXPECT_EQ(m_list.text(i + 1, ConversionList::End), QString("0:00:0%1").arg(i + 1));
        EXPECT_EQ(m_list.text(i + 1, ConversionList::Size), "160x120");
    }
    // The quick files went past the slow one on the other player; it was filled last.
    ASSERT_EQ(probed.count(), 5);
    EXPECT_EQ(probed.at(0).at(0).toInt(), 1);
    EXPECT_EQ(probed.last().at(0).toInt(), 0);
    EXPECT_EQ(players().first.size(), 5);
    EXPECT_EQ(players().second, 2);
}

TEST_F(ParallelProbeTest, ClearingTheListStopsTheRunningProbesAndDropsTheWaitingFiles)
{
    QStringList files;
    for (int i = 0; i < 5; ++i)
        files << clip(QString("slow %1.avi").arg(i), 1);
    QueueController queue(&m_list, nullptr);
    QSignalSpy idle(queue.probe(), &MediaProbe::idle);
    for (const QString &file : files)
        queue.probe()->AddVideoFile(file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return players().first.size() == 2; }, 10000));
    const QList<qint64> pids = players().first;

    queue.clearAll();
    EXPECT_EQ(m_list.count(), 0);
    EXPECT_FALSE(queue.probe()->isBusy());
    EXPECT_EQ(idle.count(), 1);
    for (qint64 pid : pids)
        EXPECT_TRUE(QTest::qWaitFor([pid] { return ::kill(pid_t(pid), 0) != 0; }, 5000)) << pid;
    // Nothing comes back to the list afterwards.
    QTest::qWait(2500);
    EXPECT_EQ(m_list.count(), 0);
    EXPECT_EQ(players().first, pids);

    // The probe goes on with files added later.
    const QString later = clip("later.avi", 2);
    queue.probe()->AddVideoFile(later);
    ASSERT_TRUE(idle.wait(30000));
    ASSERT_EQ(m_list.count(), 1);
    EXPECT_EQ(m_list.text(0, ConversionList::End), "0:00:02");
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/mediaprobe.h"
#include "media/probecommand.h"

#include "common/appfolder.h"
#include "common/mediafixtures.h"
#include "common/programfolder.h"
#include "common/testfiles.h"
#include "media/conversionlist.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

class MediaProbeTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString clip(const QString &name, int seconds = 3)
    {
        const QString file = path(name);
        EXPECT_TRUE(MediaFixtures::make(file, seconds)) << name.toStdString();
        return file;
    }
    // Adds the files and waits until every one has been probed.
    void probeAll(const QStringList &files, int timeoutMs = 60000)
    {
        QSignalSpy idle(&m_probe, &MediaProbe::idle);
        for (const QString &file : files)
            m_probe.AddVideoFile(file);
        if (m_probe.isBusy()) {
            ASSERT_TRUE(idle.wait(timeoutMs));
        }
        EXPECT_FALSE(m_probe.isBusy());
    }
    QStringList row(int r) const
    {
        QStringList columns;
        for (int c = 0; c < ConversionList::ColumnCount; ++c)
            columns << m_list.text(r, ConversionList::Column(c));
        return columns;
    }

    ProgramFolder m_folder;
    QTemporaryDir m_dir;
    ConversionList m_list;
    MediaProbe m_probe{&m_list};
};

TEST_F(MediaProbeTest, FillsRowsOfCommonContainersInOrder)
{
    const QString avi = clip("a.avi"), mkv = clip("b.mkv"), mp4 = clip("c.mp4");
    QSignalSpy probed(&m_probe, &MediaProbe::rowProbed);
    probeAll({avi, mkv, mp4});
    ASSERT_EQ(m_list.count(), 3);
    EXPECT_EQ(row(0),
              QStringList({avi, "0:00:00", "0:00:03", "320x240", "FMP4", "", "0:00:03", ""}));
    EXPECT_EQ(row(1),
              QStringList({mkv, "0:00:00", "0:00:03", "320x240", "H264", "", "0:00:03", ""}));
    EXPECT_EQ(row(2),
              QStringList({mp4, "0:00:00", "0:00:03", "320x240", "H264", "", "0:00:03", ""}));
    EXPECT_EQ(m_list.tag(1), mkv);
    EXPECT_EQ(probed.count(), 3);
    EXPECT_EQ(probed.at(2).at(0).toInt(), 2);
}

TEST_F(MediaProbeTest, FilesThePlayerCannotMeasureGetTheEncodersLength)
{
    MediaFixtures::Clip audio;
    audio.video = false;
    ASSERT_TRUE(MediaFixtures::make(path("tone.mp3"), audio));
    MediaFixtures::Clip program;
    program.codecArgs = {"-c:v", "mpeg2video"};
    ASSERT_TRUE(MediaFixtures::make(path("program.vob"), program));

    probeAll({path("tone.mp3"), path("program.vob")});
    ASSERT_EQ(m_list.count(), 2);
    EXPECT_EQ(row(0),
              QStringList({path("tone.mp3"), "0:00:00", "0:00:03", "0x0", "", "", "0:00:03", ""}));
    // The player says "ID_LENGTH=0.00" for this one although it plays it well.
    EXPECT_EQ(row(1), QStringList({path("program.vob"), "0:00:00", "0:00:03", "320x240", "MPEG-2",
                                   "", "0:00:03", ""}));
}

TEST_F(MediaProbeTest, FilesThatYieldNothingStillHaveTheirRows)
{
    QFile corrupt(path("corrupt.avi"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    for (int i = 0; i < 2000; ++i)
        corrupt.write(QByteArray::number(i * 7919) + "garbage");
    corrupt.close();
    const QString good = clip("good.avi");

    probeAll({path("corrupt.avi"), path("missing.mkv"), good});
    ASSERT_EQ(m_list.count(), 3);
    const QStringList empty = {"0:00:00", "", "0x0", "", "", "", ""};
    EXPECT_EQ(row(0).mid(1), empty);
    EXPECT_EQ(row(1), QStringList({path("missing.mkv")}) + empty);
    EXPECT_EQ(m_list.text(2, ConversionList::Size), "320x240");

    // The command-line probe prints every row but says that not all were files.
    QString printed, said;
    QTextStream out(&printed), err(&said);
    EXPECT_EQ(ProbeCommand().run({path("corrupt.avi"), good}, out, err), 0);
    EXPECT_EQ(ProbeCommand().run({good, path("missing.mkv")}, out, err), 1);
    EXPECT_EQ(ProbeCommand().run({good, m_dir.path()}, out, err), 1);
    EXPECT_EQ(printed.count('\n'), 6);
}

TEST_F(MediaProbeTest, AnyFileNameIsProbedAsItIs)
{
    const QString source = clip("source.avi");
    const QStringList names = {"with blanks  in it.avi", "double\"quote.avi", "single'quote.avi",
                               "$(touch pwned).avi",     "semi;colon.avi",    "-leading dash.avi",
                               "Grüße ünïcode 日本.avi"};
    QStringList files;
    for (const QString &name : names) {
        ASSERT_TRUE(QFile::copy(source, path(name))) << name.toStdString();
        files << path(name);
    }
    probeAll(files);
    ASSERT_EQ(m_list.count(), names.size());
    for (int r = 0; r < names.size(); ++r) {
        EXPECT_EQ(m_list.text(r, ConversionList::FileName), files[r]);
        EXPECT_EQ(m_list.text(r, ConversionList::Size), "320x240") << names[r].toStdString();
        EXPECT_EQ(m_list.text(r, ConversionList::End), "0:00:03") << names[r].toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("pwned")));
    EXPECT_FALSE(QFile::exists("pwned"));
}

TEST_F(MediaProbeTest, CommandTextKeepsThePlayerUnquotedAndWorksFromAFolderWithBlanks)
{
    const QString file = clip("my clip.avi");
    const QString folder = path("Program Files/Klevar/");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char *name : {"mp.dll", "fp.dll"})
        ASSERT_TRUE(QFile::link(m_folder.file(name), folder + name));
    setAppFolder(folder);

    const CommandLine command = MediaProbe::probeCommand(file);
    EXPECT_EQ(command.text(), folder +
                                  "mp.dll -identify -benchmark -nosound -vo null "
                                  "-vf cropdetect -endpos 1 \"" +
                                  file + "\"");
    EXPECT_EQ(command.argv(),
              QStringList({folder + "mp.dll", "-identify", "-benchmark", "-nosound", "-vo", "null",
                           "-vf", "cropdetect", "-endpos", "1", file}));
    EXPECT_EQ(MediaProbe::durationCommand(file).text(),
              folder + "fp.dll -hide_banner -i \"" + file + "\"");

    probeAll({file});
    setAppFolder(m_folder.path());
    EXPECT_EQ(m_list.text(0, ConversionList::Size), "320x240");
}

TEST_F(MediaProbeTest, RowsAppearOneByOneWhileEventsKeepFlowing)
{
    const QString a = clip("a.avi"), b = clip("b.avi"), c = clip("c.avi");
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { longestGap = qMax(longestGap, sinceTick.restart()); });
    QSignalSpy idle(&m_probe, &MediaProbe::idle);
    QElapsedTimer probing;
    probing.start();
    sinceTick.start();
    tick.start(10);
    m_probe.AddVideoFile(a);
    m_probe.AddVideoFile(b);
    m_probe.AddVideoFile(c);
    // Only the files being probed have their rows yet.
    EXPECT_EQ(m_list.count(), MediaProbe::DefaultParallel);
    EXPECT_EQ(m_list.text(0, ConversionList::Size), "");
    ASSERT_TRUE(idle.wait(60000));
    EXPECT_EQ(m_list.count(), 3);
    // A probe that held the loop would leave a gap of a whole probe, a third of the time
    // at least; a busy machine's own delays stay far below that.
    EXPECT_LT(longestGap, std::max<qint64>(150, probing.elapsed() / 4));
}

TEST_F(MediaProbeTest, RowsRemovedWhileBeingProbedAreLeftAlone)
{
    const QString a = clip("a.avi"), b = clip("b.avi"), c = clip("c.avi");
    QSignalSpy idle(&m_probe, &MediaProbe::idle);
    m_probe.AddVideoFile(a);
    m_probe.AddVideoFile(b);
    m_list.removeItem(0); // the row being probed
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_list.count() == 1; }, 10000));
    m_list.clearAll(); // b's row, while its probe runs
    m_probe.AddVideoFile(c);
    ASSERT_TRUE(idle.wait(60000));
    ASSERT_EQ(m_list.count(), 1);
    EXPECT_EQ(row(0), QStringList({c, "0:00:00", "0:00:03", "320x240", "FMP4", "", "0:00:03", ""}));
}

TEST_F(MediaProbeTest, AProbeThatNeverEndsIsStopped)
{
    // Opening a pipe that nobody writes would block the player for ever: a pipe is not
    // probed at all, in the window or on the command line.
    const QString stuck = path("stuck.avi");
    ASSERT_EQ(::mkfifo(QFile::encodeName(stuck).constData(), 0600), 0);
    // A player that hangs on a file all the same is stopped at the limit.
    const QString player = m_folder.file("mp.dll");
    const QString real = QFileInfo(player).canonicalFilePath();
    TestFiles::script(player, "case \"$*\" in *hung*) exec sleep 60;; esac\nexec '" +
                                  real.toUtf8() + "' \"$@\"\n");
    const QString hung = clip("hung.avi");
    const QString good = clip("good.avi");
    // Long enough for the good file's probe on a busy machine, far short of the hang.
    m_probe.setTimeLimit(8000);
    QElapsedTimer clock;
    clock.start();
    probeAll({stuck, hung, good}, 20000);
    QString printed;
    QString complaints;
    QTextStream out(&printed);
    QTextStream err(&complaints);
    EXPECT_EQ(ProbeCommand().run({stuck}, out, err), 1);
    EXPECT_LT(clock.elapsed(), 40000);
    ASSERT_EQ(m_list.count(), 3);
    EXPECT_EQ(row(0), QStringList({stuck, "0:00:00", "", "0x0", "", "", "", ""}));
    EXPECT_EQ(m_list.text(1, ConversionList::Size), "0x0");
    EXPECT_EQ(m_list.text(2, ConversionList::Size), "320x240");
}

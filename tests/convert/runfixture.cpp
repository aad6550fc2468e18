// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfixture.h"

#include "common/mediafixtures.h"
#include "common/timetext.h"
#include "convert/outputfile.h"
#include "convertoptions.h"
#include "settings/settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <sys/types.h>

void RunFixture::SetUp()
{
    FakeDesktop::current().reset();
    ASSERT_TRUE(m_media.isValid() && m_out.isValid());
    Settings::write(Settings::OutputFolderKey, m_out.path());
    ConvertOptions o;
    o.videoCodec = "mpeg4";
    o.aspect = "4:3";
    o.videoSize = "Original";
    o.videoBitrate = "400";
    o.frameRate = "Original";
    o.audioBitrate = "64";
    o.fill(m_options);

    m_run = std::make_unique<ConversionRun>(&m_list, &m_options, [this] { return m_caption; });
    QObject::connect(m_run.get(), &ConversionRun::totalProgressChanged,
                     [this](int p) { m_totals.append(p); });
    QObject::connect(m_run.get(), &ConversionRun::trackProgressChanged,
                     [this](int p) { m_tracks.append(p); });
    QObject::connect(m_run.get(), &ConversionRun::rowFinished,
                     [this](int row, const QString &status) {
                         m_rowEnds.append({row, status});
                         m_tracksAtRowEnd.append(m_run->trackProgress());
                     });
    QObject::connect(m_run.get(), &ConversionRun::finished,
                     [this](ConversionRun::Outcome o) { m_outcomes.append(o); });
    QObject::connect(m_run.get(), &ConversionRun::busyChanged,
                     [this](bool busy) { m_busy.append(busy); });
}

void RunFixture::TearDown()
{
    m_run.reset();
}

QString RunFixture::clip(const QString &name, int seconds)
{
    const QString path = m_media.filePath(name);
    MediaFixtures::Clip c;
    c.seconds = seconds;
    c.size = "160x120";
    c.codecArgs = {"-c:v", "mpeg4", "-c:a", "mp2"};
    EXPECT_TRUE(MediaFixtures::make(path, c)) << path.toStdString();
    return path;
}

int RunFixture::addRow(const QString &path, int seconds)
{
    const int row = m_list.addItem(path);
    m_list.setText(row, ConversionList::Start, "0:00:00");
    m_list.setText(row, ConversionList::End, TimeText::clock(seconds));
    return row;
}

bool RunFixture::convert(int timeoutMs)
{
    QSignalSpy ended(m_run.get(), &ConversionRun::finished);
    m_run->start();
    return ended.wait(timeoutMs);
}

bool RunFixture::startSlowRow(const QString &name)
{
    m_options.setValue("Video Options", "Video Codec", "x264");
    m_options.setValue("Video Options", "Video Size", "640x480");
    addRow(clip(QFileInfo(name).completeBaseName() + ".avi", 60), 60);
    m_run->start();
    return QTest::qWaitFor(
        [&] { return QFileInfo(OutputFile::partPathFor(output(name))).size() > 0; }, 20000);
}

void RunFixture::useFakeEncoder()
{
    const QString encoder = m_program.file("fp.dll");
    QFile::remove(encoder);
    QFile script(encoder);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "real='" +
                 MediaFixtures::encoder().toUtf8() +
                 "'\n"
                 "for a; do out=$a; done\n"
                 // What the run asks of a file before and after converting it goes
                 // to the real encoder: only conversions write statistics.
                 "case \"$*\" in *-vstats_file*) ;; *) exec \"$real\" \"$@\";; esac\n"
                 "case \"$*\" in\n"
                 "  *tiny*) head -c 50 /dev/zero > \"$out\"; exit 0;;\n"
                 "  *empty*) exit 0;;\n"
                 "  *halfway*) head -c 5000 /dev/zero > \"$out\"; exit 1;;\n"
                 "  *silent*) exit 1;;\n"
                 "  *stubborn*) exec sleep 30;;\n"
                 "  *slow*) sleep 2.5;;\n"
                 "  *cut*) exec \"$real\" -t 1 \"$@\";;\n"
                 "  *realtime*) exec \"$real\" -re \"$@\";;\n"
                 "esac\n"
                 "exec \"$real\" \"$@\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

QStringList RunFixture::statuses() const
{
    QStringList all;
    for (int row = 0; row < m_list.count(); ++row)
        all << m_list.text(row, ConversionList::Status);
    return all;
}

bool RunFixture::processRuns(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

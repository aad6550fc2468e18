// SPDX-License-Identifier: GPL-3.0-or-later
// How right the queue's time left is: a queue of six files of 10 to 60 s converted with
// one profile, the estimate read every 100 ms and compared, once the run has ended, with
// the time the run really still took from each moment. Printed at a quarter, half and
// three quarters of the run, with the worst error between a quarter and three quarters.
// The goal: within 20 % from a quarter of the run on.

#include "app/consoledesktop.h"
#include "common/appfolder.h"
#include "convert/conversionrun.h"
#include "convert/runtimeleft.h"
#include "media/conversionlist.h"
#include "media/mediaprobe.h"
#include "profiles/optionset.h"
#include "profiles/profileoptions.h"
#include "profiles/profileselection.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace {
// Not in order of length, so the queue's mix changes as it goes.
const int Lengths[] = {30, 10, 60, 20, 50, 40};

struct Sample
{
    double time;
    std::optional<double> queueLeft;
};

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

QStringList makeFiles(const QTemporaryDir &dir)
{
    QStringList files;
    for (int seconds : Lengths) {
        const QString file = dir.filePath(QStringLiteral("clip %1 s.avi").arg(seconds));
        const QString duration = QString::number(seconds);
        QProcess encoder;
        encoder.start(AppFolder() + QStringLiteral("fp.dll"),
                      {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                       "testsrc=size=640x480:rate=25:duration=" + duration, "-f", "lavfi", "-i",
                       "sine=duration=" + duration, "-c:v", "mpeg4", "-q:v", "4", file});
        if (!encoder.waitForFinished(300000) || encoder.exitCode() != 0)
            return {};
        files << file;
    }
    return files;
}

int mp4Position(ProfileSelection &profiles)
{
    for (int i = 0; i < profiles.count(); ++i) {
        if (profiles.entries()[i].isType() &&
            profiles.entries()[i].text.endsWith(QLatin1String("(*.mp4)")))
            return i + 1;
    }
    return 0;
}

bool probe(ConversionList &list, const QStringList &files)
{
    MediaProbe probe(&list);
    QEventLoop loop;
    QObject::connect(&probe, &MediaProbe::idle, &loop, &QEventLoop::quit);
    for (const QString &file : files)
        probe.AddVideoFile(file);
    if (probe.isBusy())
        loop.exec();
    for (int row = 0; row < list.count(); ++row) {
        if (RunTimeLeft::rowLength(list, row) != Lengths[row])
            return false;
    }
    return true;
}

// The estimate nearest to a moment, against what the run really still took from there.
double errorAt(const std::vector<Sample> &samples, double moment, double end)
{
    const auto nearest = std::min_element(samples.begin(), samples.end(), [&](auto &a, auto &b) {
        return std::abs(a.time - moment) < std::abs(b.time - moment);
    });
    if (nearest == samples.end() || !nearest->queueLeft)
        return NAN;
    const double actual = end - nearest->time;
    return (*nearest->queueLeft - actual) / actual;
}

bool runOnce(const QStringList &files, const QString &caption, OptionSet &options,
             const QString &outputFolder)
{
    ConversionList list;
    if (!probe(list, files)) {
        std::printf("  the probe did not give the files' lengths\n");
        return false;
    }
    ConversionRun run(&list, &options, [caption] { return caption; });
    run.setOutputFolder(outputFolder);
    RunTimeLeft timeLeft(&run);
    std::vector<Sample> samples;
    QTimer sampler;
    sampler.setInterval(100);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const double now = timeLeft.now();
        samples.push_back({now, timeLeft.estimate().queueLeft(now)});
    });
    QEventLoop loop;
    double end = 0;
    QObject::connect(&run, &ConversionRun::finished, [&] {
        end = timeLeft.now();
        loop.quit();
    });
    const QString loadBefore = loadAverage();
    sampler.start();
    run.start();
    if (run.isRunning())
        loop.exec();
    sampler.stop();
    int converted = 0;
    for (int row = 0; row < list.count(); ++row)
        converted += list.text(row, ConversionList::Status) == QLatin1String("OK");
    std::printf("  run: %.1f s, %d of %d files converted, load %s before, %s after\n", end,
                converted, list.count(), qPrintable(loadBefore), qPrintable(loadAverage()));
    if (qEnvironmentVariableIsSet("BENCH_ETA_TRACE")) {
        for (size_t i = 0; i < samples.size(); i += 5) {
            const Sample &s = samples[i];
            std::printf("    %5.1f s: estimate %6.1f s, really %6.1f s\n", s.time,
                        s.queueLeft.value_or(-1), end - s.time);
        }
    }
    double worst = 0;
    for (const Sample &s : samples) {
        if (s.time >= 0.25 * end && s.time <= 0.75 * end && s.queueLeft)
            worst = std::max(worst, std::abs(*s.queueLeft / (end - s.time) - 1));
    }
    for (double share : {0.25, 0.5, 0.75}) {
        std::printf("  at %2.0f %%: error of the queue's time left %+6.1f %%\n", share * 100,
                    errorAt(samples, share * end, end) * 100);
    }
    std::printf("  worst from 25 %% to 75 %%: %.1f %% (goal: within 20 %%)\n", worst * 100);
    return converted == list.count();
}
} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    // The end box must not wait for a click that never comes.
    ConsoleDesktop desktop;
    Desktop::setInstance(&desktop);
    setAppFolder(QStringLiteral(KLEVAR_BUILD_FOLDER));
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 1;

    OptionSet options;
    ProfileOptions::prolist(options);
    ProfileSelection profiles(&options);
    const int mp4 = profiles.open() ? mp4Position(profiles) : 0;
    if (mp4 == 0) {
        std::printf("no MP4 type in the catalogue\n");
        return 1;
    }
    profiles.choose(mp4);
    const QString caption = profiles.selectedCaption();

    QTemporaryDir media, output;
    const QStringList files = makeFiles(media);
    if (files.isEmpty()) {
        std::printf("could not make the test files\n");
        return 1;
    }
    std::printf("six files of 30, 10, 60, 20, 50 and 40 s, 640x480, profile \"%s\"\n",
                qPrintable(caption));
    bool ok = true;
    for (int round = 1; round <= rounds; ++round) {
        std::printf("round %d\n", round);
        ok = runOnce(files, caption, options, output.path()) && ok;
    }
    return ok ? 0 : 1;
}

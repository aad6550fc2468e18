// SPDX-License-Identifier: GPL-3.0-or-later
// Adding files to the queue runs two probes at a time: this measures the time until
// every row of 50 added ten-second files is filled, with the list on screen, against 50
// runs of the same probe command one after another with nothing around them. The goal
// is at most 0.6 times the time of the bare probes.

#include "common/appfolder.h"
#include "media/conversionlist.h"
#include "media/conversionlistview.h"
#include "media/mediaprobe.h"
#include "media/queuecontroller.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {
constexpr int FileCount = 50;

// CPU seconds this program itself has used: the queue's own cost, which the load of
// other programs on the machine does not change.
double ownCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Figures
{
    double seconds = 0;
    double ownCpu = 0;
};

template <typename Run> Figures measure(Run run)
{
    const double cpu = ownCpuSeconds();
    Figures f;
    f.seconds = run();
    f.ownCpu = ownCpuSeconds() - cpu;
    return f;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QStringList makeFiles(const QTemporaryDir &dir)
{
    const QString first = dir.filePath(QStringLiteral("clip 00.avi"));
    QProcess encoder;
    encoder.start(AppFolder() + QStringLiteral("fp.dll"),
                  {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                   "testsrc=size=640x480:rate=25:duration=10", "-f", "lavfi", "-i",
                   "sine=duration=10", first});
    if (!encoder.waitForFinished(120000) || encoder.exitCode() != 0)
        return {};
    QStringList files = {first};
    for (int i = 1; i < FileCount; ++i) {
        const QString copy =
            dir.filePath(QStringLiteral("clip %1.avi").arg(i, 2, 10, QLatin1Char('0')));
        if (!QFile::copy(first, copy))
            return {};
        files << copy;
    }
    return files;
}

double bareProbes(const QStringList &files)
{
    QElapsedTimer clock;
    clock.start();
    for (const QString &file : files) {
        const QStringList argv = MediaProbe::probeCommand(file).argv();
        QProcess player;
        player.setProcessChannelMode(QProcess::MergedChannels);
        player.start(argv.first(), argv.mid(1));
        player.waitForFinished(30000);
        player.readAll();
    }
    return clock.elapsed() / 1000.0;
}

double queueProbes(const QStringList &files, int players = MediaProbe::DefaultParallel)
{
    ConversionList list;
    QueueController queue(&list, nullptr);
    ConversionListView view;
    view.setQueue(&queue);
    view.resize(900, 600);
    view.show();
    QCoreApplication::processEvents();

    queue.probe()->setParallel(players);
    QEventLoop loop;
    QObject::connect(queue.probe(), &MediaProbe::idle, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    queue.addByDrop(files);
    if (queue.probe()->isBusy())
        loop.exec();
    const double seconds = clock.elapsed() / 1000.0;

    int filled = 0;
    for (int row = 0; row < list.count(); ++row)
        filled += list.text(row, ConversionList::Size) == QLatin1String("640x480") &&
                  list.text(row, ConversionList::End) == QLatin1String("0:00:10");
    if (filled != files.size())
        std::printf("  warning: only %d of %d rows filled\n", filled, int(files.size()));
    return seconds;
}
} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setAppFolder(QStringLiteral(KLEVAR_BUILD_FOLDER));
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    QTemporaryDir dir;
    const QStringList files = makeFiles(dir);
    if (files.isEmpty()) {
        std::printf("could not make the test files\n");
        return 1;
    }
    bareProbes(files.mid(0, 3)); // warm the caches

    double bareTotal = 0, queueTotal = 0;
    std::vector<double> ratios;
    std::printf("%d ten-second files per run\n", FileCount);
    for (int round = 1; round <= rounds; ++round) {
        // Alternate the order, so a drift of the machine's load favours neither.
        const auto bare = [&] { return bareProbes(files); };
        const auto queued = [&] { return queueProbes(files); };
        Figures b, q;
        if (round % 2) {
            b = measure(bare);
            q = measure(queued);
        } else {
            q = measure(queued);
            b = measure(bare);
        }
        bareTotal += b.seconds;
        queueTotal += q.seconds;
        ratios.push_back(q.seconds / b.seconds);
        std::printf("round %d: bare probes %.3f s (own CPU %.3f s), queue %.3f s (own CPU %.3f s), "
                    "%.2f x\n",
                    round, b.seconds, b.ownCpu, q.seconds, q.ownCpu, q.seconds / b.seconds);
    }
    std::printf("total: bare probes %.3f s, queue %.3f s, %.2f x; median of the rounds %.2f x "
                "(goal: at most 0.60 x)\n",
                bareTotal, queueTotal, queueTotal / bareTotal, median(ratios));
    // For comparison, the queue with one player at a time, as it was before.
    const double single = queueProbes(files, 1);
    const double bare = bareProbes(files);
    std::printf("one player at a time: queue %.3f s, bare probes %.3f s, %.2f x\n", single, bare,
                single / bare);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of 1000 one-second clips in ten sub-folders, with a text file beside every
// tenth clip, dropped on the list as a file manager drops it, with the queue file kept
// as the window keeps it. Prints the time until the walk has queued every file, the
// time until every row is probed, and the event loop's longest stall: the longest a
// 5 ms timer waited beyond its interval, which is how long the window could not
// repaint or take a click. The same meter on the idle window before the drop tells
// how much of that the machine's other load causes.

#include "common/appfolder.h"
#include "media/conversionlist.h"
#include "media/conversionlistview.h"
#include "media/mediaprobe.h"
#include "media/queuecontroller.h"
#include "media/queuekeeper.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <unistd.h>

namespace {
constexpr int TickMs = 5;

// The clips are links to one file: the probe reads each as a file of its own.
bool makeFolder(const QString &top, int count, int *others)
{
    const QString first = top + QStringLiteral("/source.avi");
    QDir().mkpath(top);
    QProcess encoder;
    encoder.start(AppFolder() + QStringLiteral("fp.dll"),
                  {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                   "testsrc=size=320x240:rate=25:duration=1", first});
    if (!encoder.waitForFinished(60000) || encoder.exitCode() != 0)
        return false;
    *others = 0;
    for (int i = 0; i < count; ++i) {
        const QString folder = top + QStringLiteral("/day %1").arg(i % 10);
        QDir().mkpath(folder);
        const QString clip = folder + QStringLiteral("/clip %1.avi").arg(i, 4, 10, QChar('0'));
        if (::link(QFile::encodeName(first).constData(), QFile::encodeName(clip).constData()))
            return false;
        if (i % 10 == 0) {
            QFile note(folder + QStringLiteral("/note %1.txt").arg(i));
            note.open(QIODevice::WriteOnly);
            ++*others;
        }
    }
    return QFile::remove(first);
}

// Ticks of the event loop: the longest wait beyond the interval, and how many waited
// more than 50 ms.
struct StallMeter
{
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    int over50 = 0;

    void start()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(TickMs);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.elapsed();
            const qint64 late = now - last - TickMs;
            longest = std::max(longest, late);
            over50 += late > 50;
            last = now;
        });
        clock.start();
        timer.start();
    }
};
} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setAppFolder(QStringLiteral(KLEVAR_BUILD_FOLDER));
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;

    QTemporaryDir dir;
    const QString top = dir.filePath(QStringLiteral("Holiday clips"));
    int others = 0;
    if (!makeFolder(top, count, &others)) {
        std::printf("could not make the test folder\n");
        return 1;
    }

    ConversionList list;
    QueueController queue(&list, nullptr);
    // "--no-queue-file" leaves the queue file out, to see what it costs.
    const bool keep = !(argc > 2 && QByteArray(argv[2]) == "--no-queue-file");
    QueueKeeper keeper(&list, queue.probe(), dir.filePath(QStringLiteral("queue.dat")));
    if (!keep)
        keeper.finish(); // the empty queue written, then no more
    ConversionListView view;
    view.setQueue(&queue);
    view.resize(900, 600);
    view.show();
    QCoreApplication::processEvents();

    // The same meter on the idle window first: what the machine's own load costs.
    StallMeter idle;
    idle.start();
    QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(); });
    app.exec();
    idle.timer.stop();

    StallMeter meter;
    meter.start();
    QElapsedTimer clock;
    clock.start();
    double walked = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (walked < 0 && !queue.isAdding())
            walked = clock.elapsed() / 1000.0;
    });
    watch.start(1);
    QEventLoop loop;
    QObject::connect(queue.probe(), &MediaProbe::idle, &loop, [&] {
        if (!queue.isAdding())
            loop.quit();
    });
    // As the view hands on a drop.
    Q_EMIT view.filesDropped({top});
    loop.exec();
    const double probed = clock.elapsed() / 1000.0;
    meter.timer.stop();
    if (keep)
        keeper.flush();

    int filled = 0;
    for (int row = 0; row < list.count(); ++row)
        filled += list.text(row, ConversionList::Size) == QLatin1String("320x240");
    std::printf("%d files in 10 sub-folders, %d other files beside them\n", count, others);
    std::printf("rows: %d, probed: %d\n", list.count(), filled);
    std::printf("walk done (every file queued): %.3f s\n", walked);
    std::printf("every row probed: %.3f s (%.1f ms a file, two players at a time)\n", probed,
                probed * 1000 / std::max(1, count));
    std::printf("longest event-loop stall: %lld ms (ticks of %d ms late by more than 50 ms: %d)\n",
                meter.longest, TickMs, meter.over50);
    std::printf("idle window for 5 s before the drop: longest stall %lld ms (late by more "
                "than 50 ms: %d)\n",
                idle.longest, idle.over50);
    std::printf("queue file: %s, %lld bytes\n", keep ? "kept" : "left out",
                QFileInfo(keeper.path()).size());
    return filled == count ? 0 : 1;
}

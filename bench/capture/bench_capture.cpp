// SPDX-License-Identifier: GPL-3.0-or-later
// Records 10 s of the screen at 25 frames per second with the capture window's preview
// shown, and prints the frames recorded and dropped, the encoder's processor time and
// Klevar's own. Run on a 1280x720 X screen:
//   cmake --build build --target run_bench_capture
#include "capture/capturepreviewframe.h"
#include "capture/encodercapturecontrol.h"
#include "capture/form3.h"
#include "common/appfolder.h"
#include "common/childprogram.h"
#include "common/desktop.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {
constexpr int RecordMs = 10000;

// Something moving on the screen, drawn by another process so that its work is not
// counted as Klevar's.
class Animation : public QWidget
{
public:
    Animation()
    {
        setGeometry(40, 40, 480, 320);
        connect(&m_tick, &QTimer::timeout, this, [this] {
            ++m_step;
            update();
        });
        m_tick.start(40);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(30, 60, 90));
        const int x = (m_step * 7) % (width() - 60);
        const int y = (m_step * 5) % (height() - 60);
        p.setBrush(QColor(240, 200, 40));
        p.drawEllipse(x, y, 60, 60);
        p.setPen(Qt::white);
        p.drawText(10, 20, QString::number(m_step));
    }

private:
    QTimer m_tick;
    int m_step = 0;
};

// Processor seconds of a process so far (user and system).
double cpuSeconds(qint64 pid)
{
    QFile stat(pid ? QStringLiteral("/proc/%1/stat").arg(pid) : QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Fields after the command's name, which may hold blanks, start after its ")".
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

// Waits in the event loop, looking ten times a second: a busy wait would be counted as
// Klevar's own work.
bool waitFor(const std::function<bool()> &done, int ms)
{
    QEventLoop loop;
    QTimer look;
    QElapsedTimer timer;
    timer.start();
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done() || timer.elapsed() > ms)
            loop.quit();
    });
    look.start(100);
    if (!done())
        loop.exec();
    return done();
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(' ', 0, 2)
                                          : QStringLiteral("?");
}
} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--animate") {
        QApplication app(argc, argv);
        Animation animation;
        animation.show();
        return app.exec();
    }
    QApplication app(argc, argv);
    setAppFolder(QStringLiteral(KLEVAR_BUILD_FOLDER));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    std::printf("screen %dx%d on %s, load average %s\n", screen.width(), screen.height(),
                qgetenv("DISPLAY").constData(), qPrintable(loadAverage()));
    if (screen != QSize(1280, 720))
        std::printf("(the benchmark is meant for a 1280x720 screen)\n");

    ChildProgram animation;
    animation.setOutput(ChildProgram::Output::Discarded);
    animation.setQuitKey(QByteArray());
    animation.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--animate")});

    QTemporaryDir dir;
    EncoderCaptureControl control;
    Form3 form(&control);
    form.move(screen.width() - 700, screen.height() - 400);
    form.show();
    form.findChild<QComboBox *>(QStringLiteral("Combo1"))
        ->setCurrentIndex(control.deviceCount() - 1);
    auto *preview = form.findChild<CapturePreviewFrame *>(QStringLiteral("Frame1"));
    if (!control.deviceName(control.deviceCount() - 1).startsWith(QLatin1String("Screen")) ||
        !waitFor([&] { return preview->framesShown() > 25; }, 15000)) {
        std::fprintf(stderr, "bench_capture: no preview of the screen\n");
        return 1;
    }
    form.findChild<QLineEdit *>(QStringLiteral("Text1"))
        ->setText(dir.filePath(QStringLiteral("bench.avi")));
    form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    if (!waitFor([&] { return control.captureStatistics().timeMs > 0; }, 15000)) {
        std::fprintf(stderr, "bench_capture: the recording did not start: %s\n",
                     qPrintable(control.lastError()));
        return 1;
    }
    const qint64 encoder = control.encoderProcessId();
    const double encoderStart = cpuSeconds(encoder);
    const double ownStart = cpuSeconds(0);
    const qint64 shownStart = preview->framesShown();
    QElapsedTimer wall;
    wall.start();
    waitFor([&] { return control.captureStatistics().timeMs >= RecordMs; }, RecordMs + 20000);
    const double encoderCpu = cpuSeconds(encoder) - encoderStart;
    const double ownCpu = cpuSeconds(0) - ownStart;
    const double seconds = double(wall.elapsed()) / 1000.0;
    const qint64 shown = preview->framesShown() - shownStart;
    form.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    const CaptureStatistics statistics = control.captureStatistics();

    std::printf("recorded      %s\n", qPrintable(statistics.text()));
    std::printf("frames        %lld recorded, %lld dropped\n", statistics.framesRecorded,
                statistics.framesDropped);
    std::printf("preview       %lld pictures painted in %.1f s (%.1f a second)\n", shown, seconds,
                double(shown) / seconds);
    std::printf("encoder CPU   %.2f s in %.1f s (%.1f%% of one core)\n", encoderCpu, seconds,
                100.0 * encoderCpu / seconds);
    std::printf("Klevar CPU    %.2f s in %.1f s (%.1f%% of one core)\n", ownCpu, seconds,
                100.0 * ownCpu / seconds);
    std::printf("Klevar/encoder %.1f%% (target under 5%%), dropped %lld (target 0)\n",
                100.0 * ownCpu / encoderCpu, statistics.framesDropped);
    std::printf("load average  %s\n", qPrintable(loadAverage()));
    animation.stopNow(0);
    return 0;
}

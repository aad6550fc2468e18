#include "capture/capturecommand.h"

#include "capture/encodercapturecontrol.h"
#include "common/terminationwatch.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

#include <cmath>

namespace {
constexpr int PrintIntervalMs = 1000;

bool takeValue(const QStringList &arguments, qsizetype *i, QString *value)
{
    if (*i + 1 >= arguments.size())
        return false;
    *value = arguments[++*i];
    return true;
}

QString parseOption(const QStringList &arguments, qsizetype *i, CaptureCommand::Arguments *parsed)
{
    const QString option = arguments[*i];
    QString value;
    if (!takeValue(arguments, i, &value))
        return option + QStringLiteral(" needs a value");
    bool number = false;
    if (option == QLatin1String("--device")) {
        parsed->device = value.toInt(&number);
        if (!number || parsed->device < 0)
            return QStringLiteral("--device takes an index of --list-capture-devices: ") + value;
    } else {
        parsed->seconds = value.toDouble(&number);
        if (!number || !std::isfinite(parsed->seconds) || parsed->seconds <= 0)
            return QStringLiteral("--seconds takes a number of seconds above 0: ") + value;
    }
    return QString();
}
} // namespace

CaptureCommand::Arguments CaptureCommand::parse(const QStringList &arguments)
{
    Arguments parsed;
    QStringList files;
    bool options = true;
    for (qsizetype i = 0; i < arguments.size() && parsed.error.isEmpty(); ++i) {
        const QString &a = arguments[i];
        if (!options || !a.startsWith(QLatin1Char('-')))
            files << a;
        else if (a == QLatin1String("--"))
            options = false;
        else if (a == QLatin1String("--device") || a == QLatin1String("--seconds"))
            parsed.error = parseOption(arguments, &i, &parsed);
        else
            parsed.error = QStringLiteral("unknown option ") + a +
                           QStringLiteral(" (put -- before a file named so)");
    }
    if (!parsed.error.isEmpty())
        return parsed;
    if (parsed.seconds <= 0)
        parsed.error = QStringLiteral("--seconds S is needed: how long to record");
    else if (files.size() != 1)
        parsed.error = QStringLiteral("--capture records into one file");
    else
        parsed.file = files.first();
    return parsed;
}

QString CaptureCommand::usage()
{
    return QStringLiteral(
        "  --list-capture-devices\n"
        "        Print the capture devices, index and name separated by a tab, in the\n"
        "        order of the capture window's list: cameras, then the screen of the\n"
        "        display in DISPLAY, when there is one.\n"
        "  --capture [--device N] --seconds S [--] FILE\n"
        "        Record S seconds of device N (default 0) into the AVI file FILE,\n"
        "        replacing it. Prints \"F frames (D dropped) - T sec.\" every second and\n"
        "        at the end. Exits with 0 when FILE holds the finished recording, 1 when\n"
        "        the recording failed or was cut short (the reason on standard error),\n"
        "        2 on a usage error or when there is no device N.\n");
}

int CaptureCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const Arguments args = parse(arguments);
    if (!args.error.isEmpty()) {
        err << "klevar: " << args.error << '\n';
        return 2;
    }
    EncoderCaptureControl control;
    if (args.device >= control.deviceCount()) {
        err << "klevar: there is no capture device " << args.device
            << " (klevar --list-capture-devices shows them)\n";
        return 2;
    }
    control.setRecordingLimit(qint64(std::llround(args.seconds * 1000.0)));
    control.setSelectedDevice(args.device);
    control.setCaptureFile(QFileInfo(args.file).absoluteFilePath());
    control.setConnected(true);
    if (!control.startCapture()) {
        err << "klevar: " << control.lastError() << '\n';
        return 1;
    }

    QString problem;
    bool interrupted = false;
    const auto print = [&] {
        out << control.captureStatistics().text() << '\n';
        out.flush();
    };
    QEventLoop loop;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &loop, print);
    QObject::connect(&control, &EncoderCaptureControl::captureEnded, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    QObject::connect(&control, &CaptureControl::captureFailed, &loop,
                     [&](const QString &reason) { problem = reason; });
    QObject::connect(&control, &CaptureControl::captureInterrupted, &loop,
                     [&](const QString &reason) { problem = reason; });
    TerminationWatch watch;
    QObject::connect(&watch, &TerminationWatch::requested, &loop, [&] {
        interrupted = true;
        control.stopCapture();
    });
    ticks.start(PrintIntervalMs);
    loop.exec();
    ticks.stop();
    print();
    if (!problem.isEmpty()) {
        err << "klevar: " << problem << '\n';
        return 1;
    }
    if (interrupted) {
        err << "klevar: stopped; " << control.savedFile() << " holds what was recorded\n";
        return 130;
    }
    return control.savedFile().isEmpty() ? 1 : 0;
}

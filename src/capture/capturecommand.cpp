// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/capturecommand.h"

#include "capture/encodercapturecontrol.h"
#include "common/argumentreader.h"
#include "common/terminationwatch.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

#include <cmath>

namespace {
constexpr int PrintIntervalMs = 1000;

// Why a value cannot be used; empty when it was taken.
QString readDevice(const QString &value, int *device)
{
    bool number = false;
    *device = value.toInt(&number);
    if (number && *device >= 0)
        return QString();
    return QStringLiteral("--device takes an index of --list-capture-devices: ") + value;
}

QString readSeconds(const QString &value, double *seconds)
{
    bool number = false;
    *seconds = value.toDouble(&number);
    if (number && std::isfinite(*seconds) && *seconds > 0)
        return QString();
    return QStringLiteral("--seconds takes a number of seconds above 0: ") + value;
}
} // namespace

CaptureCommand::Arguments CaptureCommand::parse(const QStringList &arguments)
{
    const QString device = QStringLiteral("--device");
    const QString seconds = QStringLiteral("--seconds");
    const ArgumentReader reader(arguments, {device, seconds});
    Arguments parsed;
    parsed.error = reader.error();
    if (parsed.error.isEmpty() && reader.has(device))
        parsed.error = readDevice(reader.value(device), &parsed.device);
    if (parsed.error.isEmpty() && !reader.has(seconds))
        parsed.error = QStringLiteral("--seconds S is needed: how long to record");
    if (parsed.error.isEmpty())
        parsed.error = readSeconds(reader.value(seconds), &parsed.seconds);
    if (parsed.error.isEmpty() && reader.plain().size() != 1)
        parsed.error = QStringLiteral("--capture records into one file");
    if (parsed.error.isEmpty())
        parsed.file = reader.plain().first();
    return parsed;
}

int CaptureCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const Arguments args = parse(arguments);
    if (!args.error.isEmpty())
        return ArgumentReader::refuse(err, args.error);
    EncoderCaptureControl control;
    if (args.device >= control.deviceCount())
        return ArgumentReader::refuse(err, QStringLiteral("there is no capture device %1 (klevar "
                                                          "--list-capture-devices shows them)")
                                               .arg(args.device));
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenrecording.h"

#include "capture/captureprogress.h"
#include "common/appfolder.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

namespace ScreenRecording {
qint64 frameCount(const QString &path)
{
    ChildProgram encoder;
    CaptureProgress progress;
    QObject::connect(&encoder, &ChildProgram::lineReceived,
                     [&](const QString &line) { progress.take(line); });
    QSignalSpy finished(&encoder, &ChildProgram::finished);
    encoder.start(AppFolder() + "fp.dll", {"-v", "error", "-nostats", "-progress", "pipe:2", "-i",
                                           path, "-map", "0:v", "-c", "copy", "-f", "null", "-"});
    if (!finished.wait(30000) || !encoder.succeeded() || !progress.ended())
        return -1;
    return progress.statistics().framesRecorded;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

bool processExists(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

OwnDisplay::OwnDisplay()
{
    // The server picks a free display and writes its number on standard output.
    m_server.setQuitKey(QByteArray());
    QObject::connect(&m_server, &ChildProgram::lineReceived, [this](const QString &line) {
        if (m_name.isEmpty() && !line.trimmed().isEmpty())
            m_name = QLatin1Char(':') + line.trimmed();
    });
    if (m_server.start("Xvfb",
                       {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"})) {
        const bool told =
            QTest::qWaitFor([this] { return !m_name.isEmpty() || !m_server.isRunning(); }, 10000);
        if (!told)
            m_server.stopNow(0);
    }
}

void OwnDisplay::close()
{
    m_server.stopNow(0);
}
} // namespace ScreenRecording

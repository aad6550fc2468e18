// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/ytdlpdownload.h"

#include "common/appfolder.h"
#include "common/safefile.h"
#include "download/ytdlpprogram.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
// yt-dlp reads "%" in an output name as the start of a field.
QString literalTemplate(const QString &path)
{
    QString text = path;
    return text.replace(QLatin1Char('%'), QStringLiteral("%%"));
}

qint64 count(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value >= 0 && value < 1e15 ? qint64(value) : -1;
}
} // namespace

YtDlpDownload::YtDlpDownload(QObject *parent) : DownloadTask(parent)
{
    m_child.setOutput(ChildProgram::Output::MergedLines);
    m_child.setQuitKey(QByteArray());
    m_child.setTailFilter([](const QString &line) { return !line.startsWith(ProgressMark); });
    connect(&m_child, &ChildProgram::lineReceived, this, &YtDlpDownload::takeLine);
    connect(&m_child, &ChildProgram::finished, this, &YtDlpDownload::childFinished);
}

YtDlpDownload::~YtDlpDownload()
{
    cancel();
}

QString YtDlpDownload::hiddenPathFor(const QString &finalPath)
{
    const QFileInfo file(finalPath);
    return file.path() + QStringLiteral("/.klevar-") + file.fileName();
}

bool YtDlpDownload::start(const QUrl &page, const FormatChoice &choice, const QString &folder,
                          const QString &fileName)
{
    if (m_running)
        return false;
    if (m_child.isRunning())
        m_child.stopNow(0); // a yt-dlp stopped earlier, still on its way out
    m_final = folder + fileName;
    m_hidden = hiddenPathFor(m_final);
    m_running = true;
    m_started = false;
    m_partsDone = 0;
    m_partReceived = 0;
    m_partTotal = -1;
    m_knownTotal = choice.video.size >= 0 && (!choice.audio || choice.audio->size >= 0)
                       ? choice.video.size + (choice.audio ? choice.audio->size : 0)
                       : -1;
    m_progress.start(0, -1);
    QString refusal = SafeFile::writeRefusal(m_hidden);
    if (refusal.isEmpty())
        refusal = SafeFile::writeRefusal(m_final);
    const QString program = YtDlpProgram::path();
    if (refusal.isEmpty() && program.isEmpty())
        refusal = YtDlpProgram::missingText();
    if (!refusal.isEmpty()) {
        QTimer::singleShot(0, this, [this, refusal] { fail(refusal); });
        return true;
    }
    m_child.setWorkingFolder(folder);
    m_child.start(program, arguments(page, choice));
    return true;
}

QStringList YtDlpDownload::arguments(const QUrl &page, const FormatChoice &choice) const
{
    QStringList args = YtDlpProgram::commonArguments();
    args << QStringLiteral("--newline") << QStringLiteral("--no-mtime")
         << QStringLiteral("--continue") << QStringLiteral("-f") << choice.selector();
    if (choice.audio)
        args << QStringLiteral("--merge-output-format") << choice.extension();
    // The encoder Klevar converts with joins the pieces.
    const QString encoder = QFileInfo(AppFolder() + QStringLiteral("fp.dll")).canonicalFilePath();
    if (!encoder.isEmpty())
        args << QStringLiteral("--ffmpeg-location") << encoder;
    args << QStringLiteral("--progress-template")
         << QStringLiteral("download:") + ProgressMark +
                QStringLiteral(" %(progress.downloaded_bytes)s %(progress.total_bytes)s"
                               " %(progress.total_bytes_estimate)s")
         << QStringLiteral("-o") << literalTemplate(m_hidden) << QStringLiteral("--")
         << page.toString(QUrl::FullyEncoded);
    return args;
}

void YtDlpDownload::takeLine(const QString &line)
{
    if (!m_running || !line.startsWith(ProgressMark))
        return;
    const QStringList fields = line.mid(ProgressMark.size()).split(u' ', Qt::SkipEmptyParts);
    const qint64 received = count(fields.value(0));
    if (received < 0)
        return;
    // Each piece (the picture, then the sound) counts from 0 again.
    if (received < m_partReceived)
        m_partsDone += qMax(m_partReceived, m_partTotal);
    m_partReceived = received;
    const qint64 exact = count(fields.value(1));
    m_partTotal = exact >= 0 ? exact : count(fields.value(2));
    const qint64 total = m_knownTotal >= 0  ? m_knownTotal
                         : m_partTotal >= 0 ? m_partsDone + m_partTotal
                                            : -1;
    if (!m_started) {
        m_started = true;
        m_progress.start(0, total);
        Q_EMIT started(total);
    }
    for (const int percent : m_progress.moveTo(m_partsDone + received, total))
        Q_EMIT percentChanged(percent);
}

void YtDlpDownload::childFinished(int exitCode, ChildProgram::End end)
{
    if (!m_running)
        return;
    if (end != ChildProgram::End::Exited || exitCode != 0) {
        fail(failureText(exitCode));
        return;
    }
    if (!QFileInfo(m_hidden).isFile()) {
        fail(QStringLiteral("yt-dlp ended without writing %1.").arg(m_hidden));
        return;
    }
    if (std::rename(QFile::encodeName(m_hidden).constData(),
                    QFile::encodeName(m_final).constData()) != 0) {
        fail(QStringLiteral("Cannot rename %1 to %2: %3")
                 .arg(m_hidden, m_final, QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    m_running = false;
    Q_EMIT finished(true, QString());
}

QString YtDlpDownload::failureText(int exitCode) const
{
    const QString reason = YtDlpProgram::errorIn(m_child.tail());
    return reason.isEmpty() ? QStringLiteral("yt-dlp ended with exit code %1").arg(exitCode)
                            : QStringLiteral("yt-dlp: ") + reason;
}

void YtDlpDownload::fail(const QString &why)
{
    if (!m_running)
        return;
    m_running = false;
    Q_EMIT finished(false, why);
}

void YtDlpDownload::cancel()
{
    if (!m_running)
        return;
    m_running = false;
    // yt-dlp reads no keys; SIGTERM reaches the encoder it may have started as well.
    m_child.requestStop(0);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/ytdlpreader.h"

#include "common/programplaces.h"
#include "download/ytdlpjson.h"
#include "download/ytdlpprogram.h"

YtDlpReader::YtDlpReader(QObject *parent) : QObject(parent)
{
    m_child.setOutput(ChildProgram::Output::RawAndErrLines);
    m_child.setQuitKey(QByteArray()); // it reads no keys: SIGTERM at once
    m_timer.setSingleShot(true);
    connect(&m_child, &ChildProgram::rawOutputReceived, this, &YtDlpReader::takeOutput);
    connect(&m_child, &ChildProgram::finished, this, &YtDlpReader::childFinished);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        m_child.kill();
    });
}

bool YtDlpReader::read(const QUrl &page)
{
    cancel();
    const QString program = YtDlpProgram::path();
    if (program.isEmpty())
        return false;
    m_json.clear();
    m_timedOut = false;
    m_tooLarge = false;
    m_child.setWorkingFolder(ProgramPlaces::downloadFolder());
    // "--" first: whatever the address holds, it is never read as an option.
    m_child.start(program,
                  YtDlpProgram::commonArguments() +
                      QStringList{QStringLiteral("--dump-single-json"), QStringLiteral("--"),
                                  page.toString(QUrl::FullyEncoded)});
    // Set after the start: the end of a run that start() had to stop is not this one's.
    m_wanted = true;
    m_timer.start(m_timeoutMs);
    return true;
}

void YtDlpReader::cancel()
{
    m_wanted = false;
    m_timer.stop();
    if (m_child.isRunning())
        m_child.requestStop(0);
}

void YtDlpReader::takeOutput(const QByteArray &bytes)
{
    if (m_tooLarge)
        return;
    m_json += bytes;
    if (m_json.size() > YtDlpJson::MaxBytes) {
        m_tooLarge = true;
        m_json.clear();
        m_child.kill();
    }
}

void YtDlpReader::childFinished(int exitCode, ChildProgram::End end)
{
    m_timer.stop();
    if (!m_wanted)
        return;
    m_wanted = false;
    if (m_timedOut || m_tooLarge || end != ChildProgram::End::Exited || exitCode != 0) {
        Q_EMIT failed(failureText(exitCode, end));
        return;
    }
    QString why;
    const std::optional<YtDlpVideo> video = YtDlpJson::parse(m_json, &why);
    m_json.clear();
    if (video)
        Q_EMIT described(*video);
    else
        Q_EMIT failed(why);
}

QString YtDlpReader::failureText(int exitCode, ChildProgram::End end) const
{
    if (m_timedOut)
        return QStringLiteral("yt-dlp gave no answer within %1 s; the site may be slow or "
                              "unreachable.")
            .arg(m_timeoutMs / 1000.0);
    if (m_tooLarge)
        return QStringLiteral("yt-dlp's description of the page is too large.");
    if (end == ChildProgram::End::FailedToStart)
        return QStringLiteral("yt-dlp could not be started.");
    const QStringList tail = m_child.tail();
    const QString reason = YtDlpProgram::errorIn(tail);
    if (!reason.isEmpty())
        return QStringLiteral("yt-dlp cannot read this page: ") + reason;
    const QString last = tail.isEmpty() ? QString() : QStringLiteral(": ") + tail.last();
    return QStringLiteral("yt-dlp ended with exit code %1").arg(exitCode) + last;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/childprogram.h"
#include "download/ytdlpvideo.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>

// Asks yt-dlp for a page's JSON description, through the one child-program runner, with
// a time-limit; stoppable at any moment (the window's close, a new page).
class YtDlpReader : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeoutMs = 60000;

    explicit YtDlpReader(QObject *parent = nullptr);

    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    // False when no yt-dlp is found (nothing started, nothing signalled); otherwise one of
    // the signals follows, unless cancel() comes first.
    bool read(const QUrl &page);
    bool isRunning() const { return m_child.isRunning(); }
    // Stops yt-dlp without a signal.
    void cancel();

Q_SIGNALS:
    void described(const YtDlpVideo &video);
    void failed(const QString &why);

private:
    void takeOutput(const QByteArray &bytes);
    void childFinished(int exitCode, ChildProgram::End end);
    QString failureText(int exitCode, ChildProgram::End end) const;

    ChildProgram m_child;
    QTimer m_timer;
    QByteArray m_json;
    int m_timeoutMs = DefaultTimeoutMs;
    bool m_timedOut = false;
    bool m_tooLarge = false;
    bool m_wanted = false; // cancel() drops the end of the run it stopped
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/childprogram.h"
#include "download/downloadtask.h"
#include "download/formatchoice.h"

#include <QUrl>

// A format that yt-dlp must assemble (picture and sound apart, HLS or DASH pieces),
// downloaded by yt-dlp itself. It writes under a hidden name beside the final one (its
// own ".part" files while pieces arrive, carried on the next time), and the file takes
// the final name only when yt-dlp has finished it. Its progress lines feed the same
// count as Klevar's own engine. A stop ends yt-dlp and whatever it started.
class YtDlpDownload : public DownloadTask
{
    Q_OBJECT

public:
    // What yt-dlp prints for each step of its progress; "NA" for what it does not know.
    static inline const QString ProgressMark = QStringLiteral("[klevar-progress]");

    explicit YtDlpDownload(QObject *parent = nullptr);
    ~YtDlpDownload() override;

    // Starts downloading the chosen format of the page into folder/fileName. False, with
    // nothing changed, while a download runs; finished() follows every start that
    // returned true.
    bool start(const QUrl &page, const FormatChoice &choice, const QString &folder,
               const QString &fileName);
    bool isRunning() const override { return m_running; }
    void cancel() override;
    const DownloadProgress &progress() const override { return m_progress; }
    QString filePath() const override { return m_final; }
    QString partPath() const override { return m_hidden; }

    // The hidden name yt-dlp writes a file of this final path under.
    static QString hiddenPathFor(const QString &finalPath);

private:
    QStringList arguments(const QUrl &page, const FormatChoice &choice) const;
    void takeLine(const QString &line);
    void childFinished(int exitCode, ChildProgram::End end);
    void fail(const QString &why);
    QString failureText(int exitCode) const;

    ChildProgram m_child;
    DownloadProgress m_progress;
    QString m_final;
    QString m_hidden;
    qint64 m_knownTotal = -1; // the sum of the formats' sizes, when each is known
    qint64 m_partsDone = 0;   // the bytes of the pieces yt-dlp has finished
    qint64 m_partReceived = 0;
    qint64 m_partTotal = -1;
    bool m_started = false;
    bool m_running = false;
};

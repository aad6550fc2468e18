// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/downloadprogress.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class InetTransfer;

// Downloads one stream into a file, asynchronously. The bytes arrive in "name.part"
// beside the final name, which the file takes only when every byte is there: a failed
// or stopped download keeps its ".part", and the next download of the same name carries
// on from it when the server answers the Range request with the matching part. A link,
// a pipe or another user's file at either name is refused and left as it is.
class StreamDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *PartSuffix = ".part";

    explicit StreamDownload(QObject *parent = nullptr);
    ~StreamDownload() override;

    InetTransfer *transfer() const { return m_transfer; }
    // Starts downloading url into folder/fileName. False, with nothing changed, while a
    // download runs; finished() follows every start that returned true.
    bool DownloadStream(const QUrl &url, const QString &folder, const QString &fileName);
    bool isRunning() const { return m_running; }
    // Stops the download without a signal; its ".part" stays for the next time.
    void cancel();

    const DownloadProgress &progress() const { return m_progress; }
    // The byte the download started from: the size of a ".part" it carries on.
    qint64 resumedFrom() const { return m_offset; }
    QString filePath() const { return m_final; }
    QString partPath() const { return m_final + QLatin1String(PartSuffix); }

Q_SIGNALS:
    // The answer is there: the total is known (or -1) and the bytes start to arrive.
    void started(qint64 total);
    // The percentage to show, each time it changes.
    void percentChanged(int percent);
    // ok: the file is complete under its final name; otherwise error says why.
    void finished(bool ok, const QString &error);

private:
    void request();
    void answerArrived();
    bool openPart(bool append);
    void drain();
    void transferFinished(bool ok);
    void restartFromTheStart();
    void fail(const QString &error);
    void complete();
    void later(std::function<void()> step);

    InetTransfer *m_transfer;
    DownloadProgress m_progress;
    QFile m_file;
    QUrl m_url;
    QString m_final;
    QByteArray m_buffer;
    qint64 m_offset = 0;
    bool m_running = false;
    bool m_restart = false;
    bool m_restarted = false;
    quint64 m_generation = 0;
};

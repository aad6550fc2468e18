// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/downloadtask.h"
#include "download/inettransfer.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QUrl>

#include <functional>

// Downloads one stream into a file, asynchronously. The bytes arrive in "name.part"
// beside the final name, which the file takes only when every byte is there: a failed
// or stopped download keeps its ".part", and the next download of the same name carries
// on from it when the server answers the Range request with the matching part. A link,
// a pipe or another user's file at either name is refused and left as it is.
class StreamDownload : public DownloadTask
{
    Q_OBJECT

public:
    static constexpr const char *PartSuffix = ".part";

    explicit StreamDownload(QObject *parent = nullptr);
    ~StreamDownload() override;

    InetTransfer *transfer() const { return m_transfer; }
    // Starts downloading url into folder/fileName, sending headers with each request
    // (those a page reader gave for the stream). False, with nothing changed, while a
    // download runs; finished() follows every start that returned true.
    bool DownloadStream(const QUrl &url, const QString &folder, const QString &fileName,
                        const InetTransfer::Headers &headers = {});
    bool isRunning() const override { return m_running; }
    // Stops the download without a signal; its ".part" stays for the next time.
    void cancel() override;

    const DownloadProgress &progress() const override { return m_progress; }
    // The byte the download started from: the size of a ".part" it carries on.
    qint64 resumedFrom() const { return m_offset; }
    QString filePath() const override { return m_final; }
    QString partPath() const override { return m_final + QLatin1String(PartSuffix); }

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
    InetTransfer::Headers m_headers;
    QString m_final;
    QByteArray m_buffer;
    qint64 m_offset = 0;
    bool m_running = false;
    bool m_restart = false;
    bool m_restarted = false;
    quint64 m_generation = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class InetTransfer;

// Fetches a video's thumbnail into the cache folder through the window's second
// transfer, so the page's transfer stays free.
class ThumbnailSaver : public QObject
{
    Q_OBJECT

public:
    // A thumbnail is small; anything larger is not one.
    static constexpr qint64 MaxBytes = qint64(16) << 20;

    explicit ThumbnailSaver(QObject *parent = nullptr);

    // Starts fetching url into the cache folder as fileName. False, with nothing
    // started, while an earlier fetch still runs, or when the address or the name cannot
    // be used (a name must be a plain file name: the page decides it). saved() follows
    // a start that returned true.
    bool SaveThumbnail(const QString &url, const QString &fileName);
    void cancel();
    InetTransfer *transfer() const { return m_transfer; }
    // Where a thumbnail of that name lands.
    static QString pathFor(const QString &fileName);

Q_SIGNALS:
    // ok when the picture was fetched and written whole.
    void saved(bool ok, const QString &path);

private:
    void transferFinished(bool ok);

    InetTransfer *m_transfer;
    QString m_path;
};

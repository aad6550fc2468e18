// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/downloadprogress.h"

#include <QObject>
#include <QString>

// A download into a file that the window's bar and the command follow, whoever fetches
// it: Klevar's own engine or yt-dlp. The file appears under its final name only whole.
class DownloadTask : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool isRunning() const = 0;
    // Stops the download without a signal; what arrived stays for the next time, never
    // under the final name.
    virtual void cancel() = 0;
    virtual const DownloadProgress &progress() const = 0;
    virtual QString filePath() const = 0;
    // Where the unfinished bytes wait.
    virtual QString partPath() const = 0;

Q_SIGNALS:
    // The answer is there: the total is known (or -1) and the bytes start to arrive.
    void started(qint64 total);
    // The percentage to show, each time it changes.
    void percentChanged(int percent);
    // ok: the file is complete under its final name; otherwise error says why.
    void finished(bool ok, const QString &error);
};

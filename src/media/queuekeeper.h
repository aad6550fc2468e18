// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/queuefile.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class ConversionList;
class MediaProbe;

// Keeps the queue file the same as the queue: the list's rows, then the files still
// waiting for the probe, written whole a moment after each change (changes that come
// together are written once) and at once by flush(). At start it brings back the rows
// of the last run that were not converted.
class QueueKeeper : public QObject
{
    Q_OBJECT

public:
    // What restore() found.
    struct Restored
    {
        int rows = 0;    // back in the queue, probed again
        int missing = 0; // no longer a file
        QString error;   // why the file could not be read; empty when it could
        QString setAsideAs;
    };

    // How long after a change the file is written at the latest.
    static constexpr int WriteDelayMs = 200;

    QueueKeeper(ConversionList *list, MediaProbe *probe, const QString &path,
                QObject *parent = nullptr);

    QString path() const { return m_path; }
    // Every row not "OK" in the file comes back with its clip and watermark.
    Restored restore();
    // The status bar's line for what restore() found; empty when there is nothing to say.
    static QString restoredText(const Restored &restored);
    // Writes now when the file differs from the queue.
    void flush();
    // Writes now and no more: the window closes, and what its closing takes from the
    // queue (the files still waiting for the probe) is to stay in the file.
    void finish();
    // The queue as it would be written.
    QList<QueueFile::Row> rows() const;

Q_SIGNALS:
    // The file could not be written; told once until a write succeeds again.
    void writeFailed(const QString &why);

private:
    void changed();

    ConversionList *m_list;
    MediaProbe *m_probe;
    QString m_path;
    QTimer m_delay;
    QByteArray m_written; // what the file holds, as far as this keeper knows
    bool m_failing = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/commandline.h"
#include "media/probereport.h"
#include "media/queuefile.h"

#include <QObject>
#include <QQueue>
#include <QString>

#include <memory>
#include <vector>

class ConversionList;

// Adds files to the queue and fills each row from the player's identification lines.
// Two players run at a time, so a machine with two cores probes twice as many files in
// the same time. Rows are appended in the order the files were added, each when its
// probe begins, and each is filled when its own probe ends, whichever ends first. The
// row being filled is held by a persistent index: a row removed meanwhile is left alone
// and the next file goes on.
class MediaProbe : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultParallel = 2;

    explicit MediaProbe(ConversionList *list, QObject *parent = nullptr);
    ~MediaProbe() override;

    // Queues the file; its row is appended when one of the players is free, after the
    // rows of the files added before it.
    void AddVideoFile(const QString &path);
    // A row of the queue kept from the last run: probed again, but with its own clip
    // times and watermark rather than the whole file's.
    void addKeptRow(const QueueFile::Row &kept);
    // The files that wait for a player, as rows of the queue to come.
    QList<QueueFile::Row> waitingRows() const;
    // True while a file is being probed or waits for its turn.
    bool isBusy() const { return !m_jobs.empty() || !m_waiting.isEmpty(); }
    // A probe that runs longer is stopped (30 s unless set otherwise).
    void setTimeLimit(int milliseconds) { m_limitMs = milliseconds; }
    // How many players may run at once (at least one).
    void setParallel(int count) { m_parallel = count < 1 ? 1 : count; }
    int parallel() const { return m_parallel; }
    // Ends the players that run and forgets the files that wait: the list was cleared or
    // the window closes. Rows being probed keep what they show; idle() follows.
    void stop();

    // The player in identify mode on the first second of the file.
    static CommandLine probeCommand(const QString &path);
    // The encoder's report of the file, for its "Duration: " line.
    static CommandLine durationCommand(const QString &path);

Q_SIGNALS:
    // The row's probe columns are filled.
    void rowProbed(int row);
    // Every added file has been probed.
    void idle();
    // Files joined or left the files that wait.
    void waitingChanged();

private:
    struct Job;
    // A file waiting for its turn; a kept row brings its clip and watermark along.
    struct Waiting
    {
        QueueFile::Row row;
        bool kept = false;
    };
    enum class Stage { Identify, Duration };

    void startWaiting();
    bool run(Job &job, const CommandLine &command, Stage stage);
    void childFinished(Job *job);
    void complete(Job *job);
    void finishRow(const Job &job);
    void reportIdle();

    ConversionList *m_list;
    QQueue<Waiting> m_waiting;
    std::vector<std::unique_ptr<Job>> m_jobs; // in the order their rows were appended
    int m_parallel = DefaultParallel;
    int m_limitMs;
    bool m_busyTold = false; // idle() is owed once the work is done
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/mediaprobe.h"

#include "common/appfolder.h"
#include "common/childprogram.h"
#include "common/safefile.h"
#include "media/conversionlist.h"

#include <QPersistentModelIndex>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {
constexpr int DefaultTimeLimitMs = 30000;
constexpr int KilledWaitMs = 5000;
} // namespace

// One file on its way: its row, the program of its current stage, what that program
// has written so far and the stage's limit.
struct MediaProbe::Job
{
    QString path;
    std::optional<QueueFile::Row> kept;
    QPersistentModelIndex row;
    Stage stage = Stage::Identify;
    ProbeReport report;
    ChildProgram *child = nullptr;
    QString output;
    QTimer limit;

    // The program is let go without its end being heard: from inside its own signal it
    // may only be deleted later. One that still runs is killed at once, as nobody waits
    // for what it would still say.
    void release()
    {
        limit.stop();
        if (!child)
            return;
        QObject::disconnect(child, nullptr, nullptr, nullptr);
        child->kill();
        child->waitForEnd(KilledWaitMs);
        child->deleteLater();
        child = nullptr;
    }
    ~Job() { release(); }
};

MediaProbe::MediaProbe(ConversionList *list, QObject *parent)
    : QObject(parent), m_list(list), m_limitMs(DefaultTimeLimitMs)
{
}

// The jobs end their players; the runners, children of this, go with it.
MediaProbe::~MediaProbe() = default;

CommandLine MediaProbe::probeCommand(const QString &path)
{
    CommandLine command;
    command.addBare(AppFolder() + QStringLiteral("mp.dll"))
        .addText(QStringLiteral(" -identify "))
        .addText(QStringLiteral("-benchmark "))
        .addText(QStringLiteral("-nosound "))
        .addText(QStringLiteral("-vo null "))
        .addText(QStringLiteral("-vf cropdetect "))
        .addText(QStringLiteral("-endpos 1 "))
        .addQuoted(path);
    return command;
}

CommandLine MediaProbe::durationCommand(const QString &path)
{
    CommandLine command;
    command.addBare(AppFolder() + QStringLiteral("fp.dll"))
        .addText(QStringLiteral(" -hide_banner -i "))
        .addQuoted(path);
    return command;
}

void MediaProbe::AddVideoFile(const QString &path)
{
    m_waiting.enqueue({QueueFile::Row{path, {}, {}, {}, {}}, false});
    m_busyTold = true;
    Q_EMIT waitingChanged();
    startWaiting();
}

void MediaProbe::addKeptRow(const QueueFile::Row &kept)
{
    m_waiting.enqueue({kept, true});
    m_busyTold = true;
    Q_EMIT waitingChanged();
    startWaiting();
}

QList<QueueFile::Row> MediaProbe::waitingRows() const
{
    QList<QueueFile::Row> rows;
    for (const Waiting &waiting : m_waiting)
        rows << waiting.row;
    return rows;
}

void MediaProbe::stop()
{
    const bool hadWaiting = !m_waiting.isEmpty();
    m_waiting.clear();
    if (hadWaiting)
        Q_EMIT waitingChanged();
    // Taken out first: a player's end cannot reach a job that is being dropped.
    std::vector<std::unique_ptr<Job>> dropped;
    dropped.swap(m_jobs);
    dropped.clear();
    reportIdle();
}

void MediaProbe::startWaiting()
{
    while (int(m_jobs.size()) < m_parallel && !m_waiting.isEmpty()) {
        auto job = std::make_unique<Job>();
        const Waiting next = m_waiting.dequeue();
        job->path = next.row.file;
        if (next.kept)
            job->kept = next.row;
        // The row exists before the player runs, so a file that yields nothing still
        // has its row.
        const int added = m_list->addItem(job->path);
        if (next.kept)
            m_list->setText(added, ConversionList::Watermark, next.row.watermark);
        job->row = QPersistentModelIndex(m_list->index(added, 0));
        job->limit.setSingleShot(true);
        job->limit.setInterval(m_limitMs);
        Job *started = job.get();
        // A file that never ends (a pipe, a stalled network mount) must not hold a player.
        connect(&started->limit, &QTimer::timeout, this, [started] {
            if (started->child)
                started->child->kill();
        });
        m_jobs.push_back(std::move(job));
        // A pipe or a device is no file to probe: the player would wait on it for its
        // whole time limit. A player that could not be started: ask the encoder, as for
        // a file without length.
        if (!SafeFile::readRefusal(started->path).isEmpty() ||
            (!run(*started, probeCommand(started->path), Stage::Identify) &&
             !run(*started, durationCommand(started->path), Stage::Duration)))
            complete(started);
    }
    reportIdle();
}

bool MediaProbe::run(Job &job, const CommandLine &command, Stage stage)
{
    job.release();
    job.stage = stage;
    job.output.clear();
    job.child = new ChildProgram(this);
    Job *target = &job;
    connect(job.child, &ChildProgram::outputReceived, this,
            [target](const QString &text) { target->output += text; });
    connect(job.child, &ChildProgram::finished, this, [this, target] { childFinished(target); });
    if (!job.child->start(command)) {
        delete job.child; // before its failure is told from the event loop
        job.child = nullptr;
        return false;
    }
    job.limit.start();
    return true;
}

void MediaProbe::childFinished(Job *job)
{
    job->limit.stop();
    const QString output = job->output;
    job->release(); // called from the program's own signal: deleted later

    if (job->stage == Stage::Identify) {
        job->report = ProbeReport::parse(output);
        // Without a length the row would be converted to nothing: the encoder may know.
        if (job->report.lacksLength() && job->row.isValid() &&
            run(*job, durationCommand(job->path), Stage::Duration))
            return;
    } else if (const auto seconds = ProbeReport::encoderDuration(output)) {
        job->report.length = *seconds;
    }
    complete(job);
    startWaiting();
}

void MediaProbe::complete(Job *job)
{
    const auto found = std::find_if(m_jobs.begin(), m_jobs.end(),
                                    [job](const auto &held) { return held.get() == job; });
    if (found == m_jobs.end())
        return;
    // Out of the list before anyone hears of the row: a handler may add or stop.
    const std::unique_ptr<Job> done = std::move(*found);
    m_jobs.erase(found);
    finishRow(*done);
}

void MediaProbe::finishRow(const Job &job)
{
    if (!job.row.isValid())
        return; // removed while it was probed
    const int row = job.row.row();
    const ProbeReport &report = job.report;
    m_list->setText(row, ConversionList::Start,
                    job.kept ? job.kept->start : QStringLiteral("0:00:00"));
    m_list->setText(row, ConversionList::End, job.kept ? job.kept->end : report.lengthText());
    m_list->setText(row, ConversionList::Size, report.sizeText());
    m_list->setText(row, ConversionList::Format, report.formatText());
    m_list->setText(row, ConversionList::VideoTime, report.lengthText());
    Q_EMIT rowProbed(row);
}

void MediaProbe::reportIdle()
{
    if (isBusy() || !m_busyTold)
        return;
    m_busyTold = false;
    Q_EMIT idle();
}

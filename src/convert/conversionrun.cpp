// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/conversionrun.h"

#include "common/appfolder.h"
#include "common/diskspace.h"
#include "convert/encoderlog.h"
#include "convert/encoderposition.h"
#include "convert/outputcheck.h"
#include "convert/runarguments.h"
#include "media/conversionlist.h"
#include "media/previewplayer.h"
#include "settings/settings.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <optional>

#include <sys/stat.h>

namespace {
const QString Processing = QStringLiteral("Processing");
const QString Ok = QStringLiteral("OK");
const QString Fail = QStringLiteral("Fail");
const QString Cancel = QStringLiteral("Cancel");

// The same file by any path: a hard link, a symbolic link or a bind mount.
bool sameFile(const QString &a, const QString &b)
{
    struct stat first = {};
    struct stat second = {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}
} // namespace

ConversionRun::ConversionRun(ConversionList *list, OptionSet *options,
                             std::function<QString()> profileCaption, QObject *parent)
    : QObject(parent), m_list(list), m_options(options), m_profileCaption(std::move(profileCaption))
{
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setParent(this);
    Timer2.setInterval(1000);
    connect(&Timer2, &QTimer::timeout, this, &ConversionRun::showProgress);
    connect(&m_stallWatch, &EncoderStallWatch::stalled, this, &ConversionRun::encoderStalled);
    if (list) {
        connect(list, &QAbstractItemModel::rowsRemoved, this, &ConversionRun::dropLeftRows);
        connect(list, &QAbstractItemModel::modelReset, this, &ConversionRun::dropLeftRows);
    }
    // Asked now, so the first run need not wait for the answer.
    EncoderCapabilities::query(AppFolder() + QStringLiteral("fp.dll"), this,
                               [](const EncoderCapabilities &) {});
}

ConversionRun::~ConversionRun()
{
    stop();
}

void ConversionRun::start()
{
    QList<int> rows;
    for (int row = 0; m_list && row < m_list->count(); ++row)
        rows << row;
    startRows(rows);
}

void ConversionRun::startFailed()
{
    QList<int> rows;
    for (int row = 0; m_list && row < m_list->count(); ++row) {
        if (m_list->text(row, ConversionList::Status) == Fail)
            rows << row;
    }
    startRows(rows);
}

void ConversionRun::startRows(const QList<int> &rows)
{
    if (m_running || !m_list || !m_options || rows.isEmpty() || refusedToStart())
        return;
    m_ids.clear();
    for (int row : rows)
        m_ids << m_list->id(row);
    m_position = 0;
    m_begun = false;
    if (m_player)
        m_player->stop();
    m_running = true;
    m_cancelRequested = false;
    m_clock.start();
    const quint64 generation = ++m_generation;
    Q_EMIT started();
    Q_EMIT busyChanged(true);
    setTotal(0);
    m_settings = RunSettings::read();
    if (!m_outputFolder.isEmpty())
        m_settings.outputFolder = m_outputFolder;
    askAhead(0);
    EncoderCapabilities::query(encoderProgram(), this,
                               [this, generation](const EncoderCapabilities &capabilities) {
                                   if (generation == m_generation && m_running)
                                       beginRows(capabilities);
                               });
}

// A run that would fail on every row says why once and does not start.
bool ConversionRun::refusedToStart()
{
    const QString folder = m_outputFolder.isEmpty() ? Settings::outputFolder() : m_outputFolder;
    const auto refusal =
        RunMessages::startRefusal(m_profileCaption ? m_profileCaption() : QString(), folder);
    if (refusal)
        message(refusal->text, refusal->icon);
    return refusal.has_value();
}

void ConversionRun::beginRows(const EncoderCapabilities &capabilities)
{
    m_capabilities = capabilities;
    m_begun = true;
    startRow();
}

void ConversionRun::startRow()
{
    if (m_position >= m_ids.size()) {
        completeRun();
        return;
    }
    setTrack(0);
    const QString input = m_list->text(currentRow(), ConversionList::FileName);
    if (!QFileInfo(input).isFile()) {
        missingInput(input);
        return;
    }
    // What the file is now, not when it was added: it may have grown since.
    const quint64 generation = m_generation;
    m_ahead.take(encoderProgram(), input, [this, generation](const MediaFacts &facts) {
        if (generation == m_generation && m_running)
            startInspected(facts);
    });
}

// The next row's input is asked about while this one waits, so the asking costs no time.
void ConversionRun::askAhead(int position)
{
    if (position < m_ids.size())
        m_ahead.ask(encoderProgram(),
                    m_list->text(m_list->rowOf(m_ids[position]), ConversionList::FileName));
}

QString ConversionRun::encoderProgram()
{
    return AppFolder() + QStringLiteral("fp.dll");
}

void ConversionRun::startInspected(const MediaFacts &facts)
{
    m_source = facts;
    const int row = currentRow();
    EncoderRow::takeFacts(*m_list, row, facts);
    const QString input = m_list->text(row, ConversionList::FileName);
    m_command = BuildEncoderCommand(EncoderRow::fromList(*m_list, row), *m_options,
                                    m_profileCaption ? m_profileCaption() : QString(), m_settings);
    Q_EMIT rowStarted(row, input, m_command.outputPath);
    m_list->setText(row, ConversionList::Status, Processing);
    m_list->setToolTip(row, QString());
    // A row must never show the progress the previous row left in the file.
    QFile::remove(EncoderStatisticsFile());
    if (!m_settings.keepExistingFile && sameFile(input, m_command.outputPath)) {
        finishRow(false, tr("The output file would be the input file itself; it was left "
                            "as it is."));
        return;
    }
    m_output = OutputFile(m_command.outputPath);
    if (!m_output.prepare()) {
        finishRow(false, m_output.error());
        return;
    }
    startEncoder();
}

bool ConversionRun::startEncoder()
{
    m_job = new ChildProgram(this);
    m_job->setWorkingFolder(AppFolder());
    EncoderLog::keepTail(*m_job);
    connect(m_job, &ChildProgram::finished, this, &ConversionRun::encoderEnded);
    connect(m_job, &ChildProgram::lineReceived, this, &ConversionRun::notePosition);
    connect(m_job, &ChildProgram::lineReceived, this, &ConversionRun::encoderLine);
    connect(m_job, &ChildProgram::lineReceived, &m_stallWatch, &EncoderStallWatch::noteActivity);
    m_stallWatch.start(m_output.partPath());
    const bool running = m_job->start(
        m_command.commandLine.program(),
        RunArguments(m_command, m_capabilities, m_source, m_output.partPath()));
    m_elapsed = 0;
    m_encoded.reset();
    Q_EMIT elapsedChanged(0);
    Timer2.start();
    if (m_cancelRequested)
        cancelPath();
    return running;
}

void ConversionRun::encoderEnded(int exitCode, ChildProgram::End end)
{
    if (!m_job || sender() != m_job)
        return;
    const QStringList tail = m_job->tail();
    const bool normalExit = end == ChildProgram::End::Exited;
    detachJob(false);
    // The encoder's own verdict counts too: a stop asked for ends with 0 as well.
    if (normalExit && exitCode == 0 && m_output.isUsable() && !m_stallWatch.hasStalled()) {
        checkOutput();
        askAhead(m_position + 1);
        return;
    }
    const QString why = failureReason(tail, normalExit);
    m_output.discard();
    finishRow(false, why);
}

void ConversionRun::checkOutput()
{
    m_checking = true;
    const quint64 generation = m_generation;
    OutputCheck::check(m_command.commandLine.program(), m_output.partPath(),
                       OutputCheck::expected(m_command, m_source), this,
                       [this, generation](const QString &shortfall) {
                           if (generation == m_generation && m_running)
                               outputChecked(shortfall);
                       });
}

void ConversionRun::outputChecked(QString why)
{
    m_checking = false;
    bool ok = why.isEmpty();
    if (ok && !m_output.commit(!m_settings.keepExistingFile)) {
        ok = false;
        why = m_output.error();
    }
    if (!ok)
        m_output.discard();
    finishRow(ok, why);
}

// Asked before the part goes: while it is there, a disk it filled is still full.
QString ConversionRun::failureReason(const QStringList &tail, bool normalExit) const
{
    const QString folder = QFileInfo(m_output.finalPath()).absolutePath();
    if (m_stallWatch.hasStalled())
        return tr("The encoder stopped responding: nothing came from it for %1 seconds.")
            .arg(m_stallWatch.limit() / 1000);
    if (DiskSpace::saysNoSpace(tail.join(QLatin1Char('\n'))) || DiskSpace::isFull(folder))
        return DiskSpace::noSpaceText(folder);
    const QString why = EncoderLog::failureSummary(tail);
    if (!why.isEmpty())
        return why;
    return normalExit ? tr("The encoder wrote no usable output file.")
                      : tr("The encoder %1 could not be run or did not end by itself.")
                            .arg(m_command.commandLine.program());
}

void ConversionRun::encoderStalled()
{
    if (m_job)
        m_job->kill(); // its end comes as for any other encoder
}

void ConversionRun::finishRow(bool ok, const QString &whyFailed)
{
    Timer2.stop();
    setTrack(100);
    const QString status = ok ? Ok : Fail;
    const int row = currentRow();
    m_list->setText(row, ConversionList::Status, status);
    m_list->setToolTip(row, ok ? QString() : whyFailed);
    m_list->setOutputPath(row, ok ? m_output.finalPath() : QString());
    // Of the rows done: never past 100, and moving even with hundreds of rows.
    setTotal(int(std::min<qint64>(100, qint64(m_position + 1) * 100 / m_ids.size())));
    Q_EMIT rowFinished(row, status, m_command.outputPath);
    ++m_position;
    startRowSoon();
}

void ConversionRun::startRowSoon()
{
    const quint64 generation = m_generation;
    QTimer::singleShot(0, this, [this, generation] {
        if (generation == m_generation && m_running)
            startRow();
    });
}

int ConversionRun::currentRow() const
{
    const int position = std::min(m_position, int(m_ids.size()) - 1);
    return position >= 0 ? m_list->rowOf(m_ids[position]) : -1;
}

QList<int> ConversionRun::rows() const
{
    QList<int> rows;
    for (quint64 id : m_ids) {
        if (const int row = m_list->rowOf(id); row >= 0)
            rows << row;
    }
    return rows;
}

// A row removed while the run goes leaves the run; the one converting is stopped and
// what its encoder wrote is removed, and the run goes on with the next row it has.
void ConversionRun::dropLeftRows()
{
    if (!m_running)
        return;
    const bool currentLeft = m_position < m_ids.size() && m_list->rowOf(m_ids[m_position]) < 0;
    for (int position = int(m_ids.size()) - 1; position >= 0; --position) {
        if (m_list->rowOf(m_ids[position]) >= 0)
            continue;
        m_ids.removeAt(position);
        if (position < m_position)
            --m_position;
        Q_EMIT rowDropped(position);
    }
    if (!currentLeft || !m_begun)
        return;
    Timer2.stop();
    ++m_generation; // what was on its way for the row that left is not wanted any more
    m_ahead.clear();
    if (m_job)
        retireJob([](OutputFile &part) { part.discard(); });
    else if (m_checking)
        m_output.discard();
    m_checking = false;
    setTrack(0);
    startRowSoon();
}

double ConversionRun::now() const
{
    return m_clock.isValid() ? m_clock.elapsed() / 1000.0 : 0;
}

void ConversionRun::notePosition(const QString &line)
{
    if (const auto seconds = EncoderPosition::seconds(line)) {
        m_encoded = seconds;
        Q_EMIT encoded(*seconds, now());
    }
}

void ConversionRun::showProgress()
{
    ++m_elapsed;
    Q_EMIT elapsedChanged(m_elapsed);
    if (!m_encoded)
        return;
    if (const auto percent = EncoderPosition::percent(*m_encoded, m_command.clipDurationSeconds))
        setTrack(*percent);
}

void ConversionRun::cancel()
{
    if (!m_running)
        return;
    m_cancelRequested = true;
    if (m_job)
        cancelPath();
}

void ConversionRun::cancelPath()
{
    m_cancelRequested = false;
    Timer2.stop();
    m_list->setText(currentRow(), ConversionList::Status, Cancel);
    Q_EMIT busyChanged(false);
    // What the encoder wrote by then is kept, also when the program closes before the
    // encoder has quit, but never over an earlier file.
    retireJob([](OutputFile &part) { part.keepPartial(); });
    m_running = false;
    message(QStringLiteral("Conversion Canceled by the user!"), Desktop::Icon::Critical);
    endRun(Outcome::Cancelled);
}

// Asks the encoder to quit, so it closes its file properly; the job ends it if it has not
// quit after the grace period. Then, once it has ended or is gone, its part is dealt with.
void ConversionRun::retireJob(const std::function<void(OutputFile &)> &withPart)
{
    ChildProgram *job = m_job;
    job->requestStop();
    detachJob(false);
    // Once, whichever of the two comes first.
    auto partial = std::make_shared<std::optional<OutputFile>>(m_output);
    const auto ended = [partial, withPart] {
        if (*partial)
            withPart(**partial);
        partial->reset();
    };
    connect(job, &ChildProgram::finished, this, ended);
    connect(job, &QObject::destroyed, this, ended);
}

void ConversionRun::missingInput(const QString &path)
{
    m_running = false;
    message(QStringLiteral("Invalid input file name. ") + path, Desktop::Icon::Critical);
    Timer2.stop();
    Q_EMIT busyChanged(false);
    endRun(Outcome::MissingInput);
}

void ConversionRun::completeRun()
{
    Timer2.stop();
    setTotal(100);
    Q_EMIT busyChanged(false);
    m_running = false;
    if (Settings::autoShutdown())
        Desktop::instance().shutdown();
    // Before the box, which waits for a click: the user may be at another window.
    Desktop::instance().notify(QStringLiteral("Conversion completed!"), completionNotice());
    const auto done = RunMessages::completion(failedRows(), int(m_ids.size()), m_failureHint);
    message(done.text, done.icon);
    const QString folder = m_settings.outputFolder;
    endRun(Outcome::Completed);
    Desktop::instance().openFolder(folder);
}

QString ConversionRun::completionNotice() const
{
    int converted = 0;
    for (int row : rows())
        converted += m_list->text(row, ConversionList::Status) == Ok;
    const QString files =
        converted == 1 ? tr("1 file converted") : tr("%1 files converted").arg(converted);
    return files + tr(", %1 failed.").arg(failedRows()) + QLatin1Char('\n') +
           m_settings.outputFolder;
}

int ConversionRun::failedRows() const
{
    int failed = 0;
    for (int row : rows()) {
        if (m_list->text(row, ConversionList::Status) == Fail)
            ++failed;
    }
    return failed;
}

void ConversionRun::endRun(Outcome outcome)
{
    ++m_generation;
    m_checking = false;
    m_ahead.clear();
    setTrack(0);
    setTotal(0);
    Q_EMIT finished(outcome);
}

void ConversionRun::stop()
{
    Timer2.stop();
    const bool wasRunning = m_running;
    m_running = false;
    const bool converting = wasRunning && (m_job || m_checking);
    m_checking = false;
    if (converting)
        m_list->setText(currentRow(), ConversionList::Status, Cancel);
    detachJob(true);
    // Closed in the middle: no part of a file is left behind.
    if (converting)
        m_output.discard();
    // Encoders of cancelled rows that are still quitting.
    const auto quitting = findChildren<ChildProgram *>(Qt::FindDirectChildrenOnly);
    for (ChildProgram *job : quitting)
        delete job;
    if (wasRunning) {
        Q_EMIT busyChanged(false);
        endRun(Outcome::Stopped);
    }
}

void ConversionRun::detachJob(bool wait)
{
    if (!m_job)
        return;
    ChildProgram *job = m_job;
    m_job = nullptr;
    m_stallWatch.stop();
    disconnect(job, nullptr, this, nullptr);
    if (wait)
        delete job; // waits for a running encoder to end
    else if (!job->isRunning())
        job->deleteLater(); // its end may still be on its way through this very job
    else
        connect(job, &ChildProgram::finished, job, &QObject::deleteLater);
}

void ConversionRun::setTrack(int percent)
{
    m_track = percent;
    Q_EMIT trackProgressChanged(percent);
}

void ConversionRun::setTotal(int percent)
{
    m_total = percent;
    Q_EMIT totalProgressChanged(percent);
}

void ConversionRun::message(const QString &text, Desktop::Icon icon)
{
    Desktop::instance().showMessage(m_messageParent, text, icon);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/childprogram.h"

#include <QDeadlineTimer>
#include <QSet>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
constexpr int FailedToStartCode = 127;
constexpr int KilledWaitMs = 2000;

// Every runner alive, for keys by process id and for the program's end.
QSet<ChildProgram *> &runners()
{
    static QSet<ChildProgram *> all;
    return all;
}

// Runs in the child between fork and exec: a process group of its own, so a signal to
// the group reaches grandchildren too, and death with its parent, so nothing is left
// behind when Klevar is killed. A parent that died before the request could take effect
// has already been replaced, which getppid() tells.
void detachIntoOwnGroup(pid_t parent)
{
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(FailedToStartCode);
}
} // namespace

ChildProgram::ChildProgram(QObject *parent) : QObject(parent)
{
    m_escalation.setSingleShot(true);
    m_escalation.setTimerType(Qt::PreciseTimer); // a grace period is a promise
    connect(&m_escalation, &QTimer::timeout, this, &ChildProgram::escalate);
    runners().insert(this);
}

ChildProgram::~ChildProgram()
{
    m_quiet = true;
    runners().remove(this);
    if (isRunning())
        stopNow();
    delete release();
}

bool ChildProgram::start(const CommandLine &command)
{
    return start(command.program(), command.arguments());
}

bool ChildProgram::start(const QString &program, const QStringList &arguments)
{
    if (isRunning())
        stopNow();
    delete release();
    m_tail.clear();
    m_splitter.takeRest();
    m_decoder = QStringDecoder(QStringDecoder::Utf8);
    m_ended = false;
    m_stopRequested = false;
    m_terminated = false;
    m_exitCode = 0;
    m_end = End::Exited;

    auto *process = new QProcess(this);
    switch (m_output) {
    case Output::MergedLines:
        process->setProcessChannelMode(QProcess::MergedChannels);
        break;
    case Output::RawAndErrLines:
        process->setProcessChannelMode(QProcess::SeparateChannels);
        break;
    case Output::Discarded:
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        break;
    }
    process->setWorkingDirectory(m_folder);
    const pid_t self = ::getpid();
    process->setChildProcessModifier([self] { detachIntoOwnGroup(self); });
    connect(process, &QProcess::readyReadStandardOutput, this, &ChildProgram::readStandardOutput);
    connect(process, &QProcess::readyReadStandardError, this, &ChildProgram::readStandardError);
    connect(process, &QProcess::finished, this, &ChildProgram::childEnded);
    m_process = process;
    process->start(program, arguments);
    if (program.isEmpty() || !process->waitForStarted(10000)) {
        delete release();
        // Told from the event loop, as a real end would be, not inside start().
        QTimer::singleShot(0, this, [this] {
            if (!m_ended && !m_process)
                reportEnd(FailedToStartCode, End::FailedToStart);
        });
        return false;
    }
    m_pid = process->processId();
    Q_EMIT started();
    return true;
}

bool ChildProgram::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

qint64 ChildProgram::processId() const
{
    return isRunning() ? m_pid : 0;
}

bool ChildProgram::write(const QByteArray &bytes)
{
    return isRunning() && !bytes.isEmpty() && m_process->write(bytes) == bytes.size();
}

void ChildProgram::readPending()
{
    if (!isRunning())
        return;
    m_process->waitForReadyRead(0);
    readStandardOutput();
    readStandardError();
}

bool ChildProgram::waitForEnd(int ms)
{
    if (isRunning())
        m_process->waitForFinished(ms);
    return !isRunning();
}

void ChildProgram::readStandardOutput()
{
    if (!m_process || m_output == Output::Discarded)
        return;
    const QByteArray bytes = m_process->readAllStandardOutput();
    if (bytes.isEmpty())
        return;
    if (m_output == Output::RawAndErrLines)
        Q_EMIT rawOutputReceived(bytes);
    else
        takeText(bytes);
}

void ChildProgram::readStandardError()
{
    if (!m_process || m_output != Output::RawAndErrLines)
        return;
    const QByteArray bytes = m_process->readAllStandardError();
    if (!bytes.isEmpty())
        takeText(bytes);
}

void ChildProgram::takeText(const QByteArray &bytes)
{
    // The decoder keeps a character split between two reads for the next one.
    const QString text = m_decoder.decode(bytes);
    if (text.isEmpty())
        return;
    Q_EMIT outputReceived(text);
    emitLines(m_splitter.feed(text));
}

void ChildProgram::emitLines(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty() && (!m_keep || m_keep(line))) {
            m_tail.append(line);
            if (m_tail.size() > m_tailLines)
                m_tail.removeFirst();
        }
        Q_EMIT lineReceived(line);
    }
}

void ChildProgram::childEnded(int exitCode, QProcess::ExitStatus status)
{
    readStandardOutput();
    readStandardError();
    const QString rest = m_splitter.takeRest();
    if (!rest.isEmpty())
        emitLines({rest});
    // This runs inside the child's own signal: delete it later. Released before the end
    // is told, so a listener may start the next child or delete this runner.
    if (QProcess *process = release())
        process->deleteLater();
    // Ended by a signal: the shell's convention, so a crash never reads as 0.
    if (status == QProcess::NormalExit)
        reportEnd(exitCode, End::Exited);
    else
        reportEnd(128 + exitCode, End::Crashed);
}

void ChildProgram::reportEnd(int exitCode, End end)
{
    if (m_ended)
        return;
    m_ended = true;
    m_escalation.stop();
    m_exitCode = exitCode;
    m_end = end;
    if (!m_quiet)
        Q_EMIT finished(exitCode, end);
}

void ChildProgram::requestStop(int quitGraceMs)
{
    m_stopRequested = true;
    if (!isRunning() || m_escalation.isActive())
        return;
    if (write(m_quitKey)) {
        m_escalation.start(quitGraceMs);
    } else {
        escalate();
    }
}

void ChildProgram::escalate()
{
    if (!isRunning())
        return;
    if (!m_terminated) {
        m_terminated = true;
        signalGroup(SIGTERM);
        m_escalation.start(TerminateGraceMs);
    } else {
        signalGroup(SIGKILL);
    }
}

void ChildProgram::stopNow(int quitGraceMs)
{
    m_stopRequested = true;
    m_escalation.stop();
    if (isRunning() && write(m_quitKey))
        m_process->waitForFinished(quitGraceMs);
    if (isRunning()) {
        signalGroup(SIGTERM);
        m_process->waitForFinished(TerminateGraceMs);
    }
    if (isRunning()) {
        signalGroup(SIGKILL);
        m_process->waitForFinished(KilledWaitMs);
    }
}

void ChildProgram::kill()
{
    m_stopRequested = true;
    m_escalation.stop();
    signalGroup(SIGKILL);
}

void ChildProgram::signalGroup(int signalNumber)
{
    if (!isRunning() || m_pid <= 0)
        return;
    // The group bears the child's id; should the child not lead one, it alone is signalled.
    if (::kill(-pid_t(m_pid), signalNumber) != 0)
        ::kill(pid_t(m_pid), signalNumber);
}

QProcess *ChildProgram::release()
{
    QProcess *process = m_process;
    m_process = nullptr;
    if (process)
        disconnect(process, nullptr, this, nullptr);
    return process;
}

ChildProgram *ChildProgram::find(qint64 processId)
{
    if (processId <= 0)
        return nullptr;
    for (ChildProgram *runner : std::as_const(runners())) {
        if (runner->processId() == processId)
            return runner;
    }
    return nullptr;
}

void ChildProgram::stopAll(int quitGraceMs)
{
    const QList<ChildProgram *> running = runners().values();
    for (ChildProgram *runner : running) {
        if (runner->isRunning()) {
            runner->m_stopRequested = true;
            runner->m_escalation.stop();
            if (!runner->write(runner->m_quitKey))
                runner->signalGroup(SIGTERM);
        }
    }
    QDeadlineTimer quit(quitGraceMs);
    for (ChildProgram *runner : running) {
        if (runners().contains(runner) && runner->isRunning())
            runner->m_process->waitForFinished(int(qMax<qint64>(0, quit.remainingTime())));
    }
    for (ChildProgram *runner : running) {
        if (runners().contains(runner) && runner->isRunning())
            runner->stopNow(0);
    }
}

#include "convert/process.h"

#include "common/timetext.h"
#include "convert/processwindows.h"

#include <QEventLoop>
#include <QPointer>
#include <QProcess>

namespace {
// The shell's convention for a child ended by a signal, so a crash never reads as 0.
qint32 exitCodeOf(const QProcess *process)
{
    if (process->exitStatus() == QProcess::NormalExit)
        return process->exitCode();
    return 128 + process->exitCode();
}
} // namespace

Process::Process(QObject *parent) : QObject(parent), m_decoder(QStringDecoder::System) {}

Process::~Process()
{
    if (m_wait)
        m_wait->quit(); // a handler deleted the runner while its Launch waits
    if (QProcess *p = release()) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(5000);
        }
        delete p;
    }
}

QString Process::commandText() const
{
    return Command.text() + QLatin1Char(' ') + Arguments;
}

QString Process::ElapsedTime() const
{
    const qint64 seconds =
        m_startTime.isValid() ? m_startTime.secsTo(QDateTime::currentDateTime()) : 0;
    return TimeText::clock(qMax<qint64>(0, seconds));
}

qint64 Process::processId() const
{
    return m_process ? m_process->processId() : 0;
}

void Process::takeOutput()
{
    if (!m_process)
        return;
    const QByteArray bytes = m_process->readAll();
    if (bytes.isEmpty())
        return;
    // The decoder keeps a character split between two reads for the next one.
    const QString chunk = m_decoder.decode(bytes);
    if (chunk.isEmpty())
        return;
    Q_EMIT StdOutChanged(chunk);
    m_output += chunk;
}

void Process::Read()
{
    // A zero wait moves what the pipe holds into the process's buffer without
    // blocking, for callers that poll without running the event loop.
    if (m_process && m_process->state() != QProcess::NotRunning)
        m_process->waitForReadyRead(0);
    takeOutput();
    if (m_process && m_process->state() == QProcess::NotRunning)
        Abort(0);
}

bool Process::IsActive()
{
    if (!m_process)
        return false;
    if (m_process->state() != QProcess::NotRunning && !m_process->waitForFinished(200) &&
        m_process->state() != QProcess::NotRunning)
        return true;
    Abort(0);
    return false;
}

void Process::childEnded()
{
    takeOutput();
    // Finish outside QProcess's own signal, so the child can be released safely. A
    // blocking Launch gets there first; for NoWait callers this raises Finished.
    const quint64 run = m_run;
    QMetaObject::invokeMethod(
        this,
        [this, run] {
            if (run == m_run && m_process)
                Abort(0);
        },
        Qt::QueuedConnection);
}

QProcess *Process::release()
{
    QProcess *p = m_process;
    m_process = nullptr;
    if (p)
        disconnect(p, nullptr, this, nullptr);
    return p;
}

void Process::Abort(qint32 vnRC)
{
    if (m_process) {
        if (m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished(5000);
            m_rc = vnRC;
        } else {
            m_rc = vnRC != 0 ? vnRC : exitCodeOf(m_process);
        }
        takeOutput();
        // Abort may run inside one of the child's own signals: delete it later.
        release()->deleteLater();
    }
    Q_EMIT Finished();
}

void Process::Launch()
{
    if (m_process)
        Abort(0);
    m_rc = 0;
    m_output.clear();
    m_startTime = QDateTime::currentDateTime();
    m_decoder = QStringDecoder(QStringDecoder::System);
    const quint64 run = ++m_run;

    QStringList argv = Command.argv();
    argv += Arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (argv.isEmpty())
        return;
    auto *p = new QProcess(this);
    p->setProcessChannelMode(QProcess::MergedChannels);
    p->setProgram(argv.takeFirst());
    p->setArguments(argv);
    connect(p, &QProcess::readyReadStandardOutput, this, &Process::takeOutput);
    connect(p, &QProcess::finished, this, &Process::childEnded);
    p->start();
    if (!p->waitForStarted(-1)) {
        delete p;
        return;
    }
    m_process = p;
    ProcessWindows::track(p);
    if (NoWait)
        return;

    QEventLoop loop;
    connect(p, &QProcess::finished, &loop, &QEventLoop::quit);
    connect(this, &Process::Finished, &loop, &QEventLoop::quit);
    const QPointer<Process> alive(this);
    m_wait = &loop;
    if (p->state() != QProcess::NotRunning)
        loop.exec();
    if (!alive)
        return;
    m_wait = nullptr;
    // A handler that ran meanwhile may have stopped this run or started another.
    if (run == m_run && m_process)
        Abort(0);
}

Process *NewProcess(const CommandLine &command, QObject *parent)
{
    auto *process = new Process(parent);
    process->Command = command;
    return process;
}

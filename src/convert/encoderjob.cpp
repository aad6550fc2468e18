#include "convert/encoderjob.h"

#include "convert/processwindows.h"

#include <QProcess>

EncoderJob::EncoderJob(QObject *parent) : QObject(parent), m_process(new QProcess(this))
{
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_escalation.setSingleShot(true);
    m_escalation.setTimerType(Qt::PreciseTimer); // the grace period is a promise
    connect(&m_escalation, &QTimer::timeout, this, &EncoderJob::escalate);
    connect(m_process, &QProcess::readyRead, this, &EncoderJob::readOutput);
    connect(m_process, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) {
                reportEnd(exitCode, status == QProcess::NormalExit);
            });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        // Reported from the event loop, as a real end would be, not inside start().
        if (error == QProcess::FailedToStart)
            QTimer::singleShot(0, this, [this] { reportEnd(-1, false); });
    });
}

EncoderJob::~EncoderJob()
{
    m_ended = true; // nobody is told of an end during destruction
    if (isRunning())
        stopNow();
}

bool EncoderJob::start(const QString &program, const QStringList &arguments, const QString &folder)
{
    m_process->setWorkingDirectory(folder);
    m_process->start(program, arguments);
    // Returns as soon as the program runs (or could not be run); keys need it running.
    if (!m_process->waitForStarted(10000))
        return false;
    ProcessWindows::track(m_process);
    return true;
}

qint64 EncoderJob::processId() const
{
    return m_process->processId();
}

bool EncoderJob::isRunning() const
{
    return m_process->state() != QProcess::NotRunning;
}

void EncoderJob::readOutput()
{
    m_log.feed(m_process->readAll());
}

void EncoderJob::requestStop(int graceMs)
{
    m_stopRequested = true;
    if (!isRunning())
        return;
    ProcessWindows::sendKey(processId(), ProcessWindows::KeyQ);
    m_escalation.start(graceMs);
}

void EncoderJob::escalate()
{
    if (!isRunning())
        return;
    if (!m_terminated) {
        m_terminated = true;
        m_process->terminate();
        m_escalation.start(2000);
    } else {
        m_process->kill();
    }
}

void EncoderJob::stopNow(int graceMs)
{
    m_stopRequested = true;
    if (!isRunning())
        return;
    ProcessWindows::sendKey(processId(), ProcessWindows::KeyQ);
    if (m_process->waitForFinished(graceMs))
        return;
    m_process->terminate();
    if (m_process->waitForFinished(2000))
        return;
    m_process->kill();
    m_process->waitForFinished(2000);
}

void EncoderJob::reportEnd(int exitCode, bool normalExit)
{
    if (m_ended)
        return;
    m_ended = true;
    m_escalation.stop();
    readOutput();
    m_log.finish();
    Q_EMIT ended(exitCode, normalExit);
}

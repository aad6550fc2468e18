#include "common/process.h"

#include "common/childprogram.h"
#include "common/timetext.h"

#include <QEventLoop>
#include <QPointer>

namespace {
constexpr int KilledWaitMs = 5000;
} // namespace

Process::Process(QObject *parent) : QObject(parent), m_child(new ChildProgram(this))
{
    // Abort means at once: no quit key, no grace.
    m_child->setQuitKey({});
    connect(m_child, &ChildProgram::outputReceived, this, [this](const QString &chunk) {
        m_output += chunk;
        Q_EMIT StdOutChanged(chunk);
    });
    connect(m_child, &ChildProgram::finished, this, &Process::childFinished);
}

Process::~Process()
{
    if (m_wait)
        m_wait->quit(); // a handler deleted the runner while its Launch waits
    m_attached = false;
    m_child->kill();
    m_child->waitForEnd(KilledWaitMs);
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
    return m_attached ? m_child->processId() : 0;
}

void Process::Read()
{
    m_child->readPending();
    if (m_attached && !m_child->isRunning())
        Abort(0);
}

bool Process::IsActive()
{
    if (!m_attached)
        return false;
    if (m_child->isRunning() && !m_child->waitForEnd(200))
        return true;
    // The end may already have finished the run, from inside the wait.
    if (m_attached)
        Abort(0);
    return false;
}

void Process::childFinished()
{
    if (m_attached)
        Abort(0);
}

void Process::Abort(qint32 vnRC)
{
    if (m_attached) {
        m_attached = false;
        if (m_child->isRunning()) {
            m_child->kill();
            m_child->waitForEnd(KilledWaitMs);
            m_rc = vnRC;
        } else {
            m_rc = vnRC != 0 ? vnRC : m_child->exitCode();
        }
    }
    Q_EMIT Finished();
}

void Process::Launch()
{
    if (m_attached)
        Abort(0);
    m_rc = 0;
    m_output.clear();
    m_startTime = QDateTime::currentDateTime();
    const quint64 run = ++m_run;

    QStringList argv = Command.argv();
    argv += Arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (argv.isEmpty())
        return;
    const QString program = argv.takeFirst();
    m_attached = true;
    if (!m_child->start(program, argv)) {
        m_attached = false;
        return;
    }
    if (NoWait)
        return;

    QEventLoop loop;
    connect(this, &Process::Finished, &loop, &QEventLoop::quit);
    const QPointer<Process> alive(this);
    m_wait = &loop;
    if (m_attached)
        loop.exec();
    if (!alive)
        return;
    m_wait = nullptr;
    // A handler that ran meanwhile may have stopped this run or started another.
    if (run == m_run && m_attached)
        Abort(0);
}

Process *NewProcess(const CommandLine &command, QObject *parent)
{
    auto *process = new Process(parent);
    process->Command = command;
    return process;
}

#pragma once

#include "common/commandline.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class ChildProgram;
class QEventLoop;

// Runs one command line as a hidden child and gathers everything it writes to standard
// output and standard error, merged, in arrival order. The probe uses it blocking;
// event-driven callers set NoWait and wait for Finished instead, which also comes when a
// NoWait child ends by itself. The child itself is run by a ChildProgram.
class Process : public QObject
{
    Q_OBJECT

public:
    explicit Process(QObject *parent = nullptr);
    // A child that still runs is killed; Finished is not raised from here.
    ~Process() override;

    // The program and its arguments; its text is what users and tests see.
    CommandLine Command;
    // Plain text run after Command, split at blanks; empty by default.
    QString Arguments;
    // False: Launch returns when the child has ended. True: as soon as it has started.
    bool NoWait = false;

    // The whole command line as shown: Command, one blank, Arguments.
    QString commandText() const;

    QDateTime StartTime() const { return m_startTime; }
    // How long the child has run, as a clock text ("0:01:05").
    QString ElapsedTime() const;
    // The child's exit code, or the code given to Abort when the child was stopped.
    qint32 RC() const { return m_rc; }
    QString StdOut() const { return m_output; }
    // 0 while no child runs.
    qint64 processId() const;

    // Takes in whatever output is waiting now; never blocks on the pipe.
    void Read();
    // True while the child runs. Waits up to 200 ms for it to end, so a caller that
    // polls does not spin; finishes the run when the child has ended.
    bool IsActive();
    // Kills the child if it still runs, releases it and raises Finished (again, on a
    // second call).
    void Abort(qint32 vnRC = 0);
    // Starts the child; unless NoWait is set, returns only when it has ended. The wait
    // runs a local event loop, so the windows stay alive meanwhile.
    void Launch();

Q_SIGNALS:
    void Finished();
    void StdOutChanged(const QString &chunk);

private:
    void childFinished();

    ChildProgram *m_child;
    bool m_attached = false; // a child of this run has not been released yet
    QString m_output;
    qint32 m_rc = 0;
    QDateTime m_startTime;
    QEventLoop *m_wait = nullptr;
    // Counts runs, so a handler that started another run is not ended by the first.
    quint64 m_run = 0;
};

// Creates a runner for the command, not yet started; Arguments stay empty.
Process *NewProcess(const CommandLine &command, QObject *parent = nullptr);

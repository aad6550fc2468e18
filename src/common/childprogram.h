// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/commandline.h"
#include "common/linesplitter.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QTimer>

#include <functional>

// Every child program Klevar attaches to runs through one of these: started from an
// argument list (never a shell) in a given folder, its output delivered as lines while it
// runs, the last lines kept to tell why it failed, and stopped the same way everywhere:
// its own quit key, then SIGTERM, then SIGKILL. Each child leads a process group of its
// own, so a stop reaches whatever it started, and is given the parent-death signal, so
// it cannot outlive Klevar however Klevar ends.
class ChildProgram : public QObject
{
    Q_OBJECT

public:
    // The grace periods of a stop: after the quit key, SIGTERM goes to the child's group;
    // if it still runs after the second period, SIGKILL.
    static constexpr int QuitGraceMs = 5000;
    static constexpr int TerminateGraceMs = 2000;
    static constexpr int DefaultTailLines = 40;

    enum class Output {
        MergedLines,    // standard output and standard error read as one text, in order
        RawAndErrLines, // standard output as bytes (rawOutput), standard error as lines
        Discarded,      // nothing is read (a player's chatter would fill an unread pipe)
    };
    Q_ENUM(Output)

    enum class End {
        Exited,        // the program ended by itself; exitCode is its own
        Crashed,       // ended by a signal; exitCode is 128 + the signal
        FailedToStart, // never ran; exitCode is 127
    };
    Q_ENUM(End)

    explicit ChildProgram(QObject *parent = nullptr);
    // A child that still runs is stopped (quit key, terminate, kill), waiting here.
    ~ChildProgram() override;

    void setOutput(Output output) { m_output = output; }
    void setWorkingFolder(const QString &folder) { m_folder = folder; }
    // What the program reads as "quit" on its standard input; empty: go straight to SIGTERM.
    void setQuitKey(const QByteArray &key) { m_quitKey = key; }
    void setTailLines(int count) { m_tailLines = count; }
    // Lines for which this answers false are signalled but not kept in the tail.
    void setTailFilter(std::function<bool(const QString &)> keep) { m_keep = std::move(keep); }

    // false when the program could not be started; finished() then follows from the event
    // loop all the same, so callers have one place to learn of an end.
    bool start(const CommandLine &command);
    bool start(const QString &program, const QStringList &arguments);

    bool isRunning() const;
    // 0 while no child runs.
    qint64 processId() const;
    // To the child's standard input; false when nothing received it.
    bool write(const QByteArray &bytes);
    // Moves what the pipes hold now into the signals, without waiting.
    void readPending();
    // Waits here up to ms for the end; true when the child has ended (finished() was sent).
    bool waitForEnd(int ms);

    // The quit key now; SIGTERM to the group after quitGraceMs, SIGKILL after
    // TerminateGraceMs more. finished() tells the end.
    void requestStop(int quitGraceMs = QuitGraceMs);
    // The same, waiting here until the child has ended.
    void stopNow(int quitGraceMs = QuitGraceMs);
    // SIGKILL to the group now: a child past its time limit.
    void kill();
    bool stopRequested() const { return m_stopRequested; }

    bool hasEnded() const { return m_ended; }
    int exitCode() const { return m_exitCode; }
    End end() const { return m_end; }
    // Ended by itself with exit code 0.
    bool succeeded() const { return m_ended && m_end == End::Exited && m_exitCode == 0; }
    QStringList tail() const { return m_tail; }

    // Every child still running, stopped together under one deadline: the program's end.
    static void stopAll(int quitGraceMs = QuitGraceMs);
    // The running child with this process id, or nullptr.
    static ChildProgram *find(qint64 processId);

Q_SIGNALS:
    void started();
    // Text as it arrives (the merged output, or standard error), decoded.
    void outputReceived(const QString &text);
    // One line, ended by CR, LF or CR LF; an unfinished last line comes at the end.
    void lineReceived(const QString &line);
    void rawOutputReceived(const QByteArray &bytes);
    // Sent once per start, never from inside start() or a destructor.
    void finished(int exitCode, ChildProgram::End end);

private:
    void readStandardOutput();
    void readStandardError();
    void takeText(const QByteArray &bytes);
    void emitLines(const QStringList &lines);
    void childEnded(int exitCode, QProcess::ExitStatus status);
    void reportEnd(int exitCode, End end);
    void escalate();
    void signalGroup(int signalNumber);
    QProcess *release();

    QProcess *m_process = nullptr;
    Output m_output = Output::MergedLines;
    QString m_folder;
    QByteArray m_quitKey = QByteArrayLiteral("q");
    int m_tailLines = DefaultTailLines;
    std::function<bool(const QString &)> m_keep;
    QStringDecoder m_decoder{QStringDecoder::Utf8};
    LineSplitter m_splitter;
    QStringList m_tail;
    QTimer m_escalation;
    qint64 m_pid = 0;
    bool m_terminated = false;
    bool m_stopRequested = false;
    bool m_ended = true;
    bool m_quiet = false; // no signals during destruction
    int m_exitCode = 0;
    End m_end = End::Exited;
};

#pragma once

#include "convert/encoderlog.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QProcess;

// One run of the encoder program: started without a shell, tracked so keys reach it,
// its output read as it comes, and its end reported as a signal. A stop asks it to
// quit with Q, so it closes its file properly, and ends it if it has not quit in time:
// no encoder outlives its job.
class EncoderJob : public QObject
{
    Q_OBJECT

public:
    static constexpr int GraceMs = 5000;

    explicit EncoderJob(QObject *parent = nullptr);
    // Stops a running encoder, waiting for it (at most the grace period and a little).
    ~EncoderJob() override;

    // false when the program could not be started; ended() then follows anyway.
    bool start(const QString &program, const QStringList &arguments, const QString &folder);
    qint64 processId() const;
    bool isRunning() const;
    bool stopRequested() const { return m_stopRequested; }
    const EncoderLog &log() const { return m_log; }

    // Q now; terminated once the grace period has passed, killed soon after.
    void requestStop(int graceMs = GraceMs);
    // The same, waiting here: for the end of the program.
    void stopNow(int graceMs = GraceMs);

Q_SIGNALS:
    // exitCode is meaningful only when normalExit is true.
    void ended(int exitCode, bool normalExit);

private:
    void readOutput();
    void escalate();
    void reportEnd(int exitCode, bool normalExit);

    QProcess *m_process = nullptr;
    EncoderLog m_log;
    QTimer m_escalation;
    bool m_stopRequested = false;
    bool m_terminated = false;
    bool m_ended = false;
};

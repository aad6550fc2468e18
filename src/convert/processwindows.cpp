#include "convert/processwindows.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QProcess>

qint32 PlayerProcessId = 0;
qint32 EncoderProcessId = 0;

namespace {
QHash<qint64, QPointer<QProcess>> &tracked()
{
    static QHash<qint64, QPointer<QProcess>> children;
    return children;
}
} // namespace

void ProcessWindows::track(QProcess *process)
{
    const qint64 id = process ? process->processId() : 0;
    if (id == 0)
        return;
    tracked().insert(id, process);
    QObject::connect(process, &QProcess::finished, process, [id] { tracked().remove(id); });
}

QProcess *ProcessWindows::process(qint64 processId)
{
    if (processId == 0)
        return nullptr;
    QProcess *p = tracked().value(processId);
    return p && p->state() == QProcess::Running ? p : nullptr;
}

QByteArray ProcessWindows::keyText(int key)
{
    switch (key) {
    case KeyQ:
        return QByteArrayLiteral("q");
    case KeySpace:
        return QByteArrayLiteral(" ");
    case KeyLeft:
        return QByteArrayLiteral("\x1b[D");
    case KeyRight:
        return QByteArrayLiteral("\x1b[C");
    default:
        return {};
    }
}

bool ProcessWindows::sendKey(qint64 processId, int key)
{
    QProcess *p = process(processId);
    const QByteArray text = keyText(key);
    if (!p || text.isEmpty())
        return false;
    return p->write(text) == text.size();
}

void ProcessWindows::stopAll(int graceMs)
{
    const auto children = tracked().values();
    for (const QPointer<QProcess> &p : children) {
        if (p && p->state() == QProcess::Running)
            p->write(keyText(KeyQ));
    }
    QDeadlineTimer deadline(graceMs);
    for (const QPointer<QProcess> &p : children) {
        if (!p || p->state() == QProcess::NotRunning)
            continue;
        if (!p->waitForFinished(int(qMax<qint64>(0, deadline.remainingTime())))) {
            p->kill();
            p->waitForFinished(1000);
        }
    }
}

void SendKeyToPlayer(int key)
{
    ProcessWindows::sendKey(PlayerProcessId, key);
}

void SendKeyToEncoder(int key)
{
    ProcessWindows::sendKey(EncoderProcessId, key);
}

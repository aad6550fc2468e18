#include "common/processwindows.h"

#include "common/childprogram.h"

qint32 PlayerProcessId = 0;
qint32 EncoderProcessId = 0;

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
    ChildProgram *child = ChildProgram::find(processId);
    return child && child->write(keyText(key));
}

void SendKeyToPlayer(int key)
{
    ProcessWindows::sendKey(PlayerProcessId, key);
}

void SendKeyToEncoder(int key)
{
    ProcessWindows::sendKey(EncoderProcessId, key);
}

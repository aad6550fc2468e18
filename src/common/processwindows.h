#pragma once

#include <QByteArray>
#include <QtGlobal>

// The player and the encoder are steered by their own keyboard commands. Here a key
// reaches a child program through its standard input, typed as at a console; both
// programs read their commands there. A program that has ended, or an id of 0,
// receives nothing and nothing is reported.
class ProcessWindows
{
public:
    enum Key { KeySpace = 32, KeyLeft = 37, KeyRight = 39, KeyQ = 81 };

    // Writes the key to the running child with that id; false when nothing received it.
    static bool sendKey(qint64 processId, int key);
    // What a console sends for the key: "q", " ", ESC "[D", ESC "[C"; empty for others.
    static QByteArray keyText(int key);
};

// The player started last and the encoder of the row being converted; 0 until one has
// been started.
extern qint32 PlayerProcessId;
extern qint32 EncoderProcessId;

void SendKeyToPlayer(int key);
void SendKeyToEncoder(int key);

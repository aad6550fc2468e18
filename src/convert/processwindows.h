#pragma once

#include <QByteArray>
#include <QtGlobal>

class QProcess;

// The player and the encoder are steered by their own keyboard commands. Here a key
// reaches a child program through its standard input, typed as at a console; both
// programs read their commands there. A program that has ended, or an id of 0,
// receives nothing and nothing is reported.
class ProcessWindows
{
public:
    enum Key { KeySpace = 32, KeyLeft = 37, KeyRight = 39, KeyQ = 81 };

    // Remembers a started child by its process id until it ends or is destroyed.
    static void track(QProcess *process);
    // The tracked, running child with that id, or nullptr.
    static QProcess *process(qint64 processId);
    // Writes the key to the child's standard input; false when nothing received it.
    static bool sendKey(qint64 processId, int key);
    // What a console sends for the key: "q", " ", ESC "[D", ESC "[C"; empty for others.
    static QByteArray keyText(int key);
    // Asks every tracked child to quit with Q and terminates whatever still runs after
    // the grace period, so no child outlives the program.
    static void stopAll(int graceMs = 3000);
};

// The player started last and the encoder of the row being converted; 0 until one has
// been started.
extern qint32 PlayerProcessId;
extern qint32 EncoderProcessId;

void SendKeyToPlayer(int key);
void SendKeyToEncoder(int key);

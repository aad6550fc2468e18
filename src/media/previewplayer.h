// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class ChildProgram;
class CommandLine;

// The program's one preview player. The main window owns it and hands it to every
// preview surface (its own panel, the clip editor's, the downloader's) and to the
// conversion run, which stops a running preview first. Only one player draws at a
// time: starting another asks the one before to quit.
class PreviewPlayer : public QObject
{
    Q_OBJECT

public:
    explicit PreviewPlayer(QObject *parent = nullptr);
    // Every player still running is stopped, waiting here.
    ~PreviewPlayer() override;

    // Starts the command from the program's folder, hidden, without waiting. A player
    // that cannot start leaves lastStartedId() as it was.
    bool play(const CommandLine &command);
    // The preview stops: the running player is asked to quit.
    void stop();
    // One of the player's keyboard commands; false when no player received it.
    bool sendKey(int key);
    bool isPlaying() const;
    // The running player's id, or 0.
    qint64 processId() const;
    // The id of the player started last, kept after it has ended; 0 before the first.
    qint64 lastStartedId() const { return m_lastStartedId; }
    // The command text play() was given last, whether or not it started.
    QString lastCommandText() const { return m_lastCommandText; }
    // Stops every player, waiting for them: the program is closing.
    void stopAll();

Q_SIGNALS:
    // The player started last has ended: nothing draws on the surface any more.
    void stopped();

private:
    QPointer<ChildProgram> m_current;
    qint64 m_lastStartedId = 0;
    QString m_lastCommandText;
};

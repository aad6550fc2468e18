#pragma once

#include <QObject>
#include <QPointer>
#include <QProcess>

class CommandLine;

// Starts preview players and owns them, so that none outlives the panel that started it.
// Keys reach the player started last through SendKeyToPlayer.
class PreviewPlayer : public QObject
{
    Q_OBJECT

public:
    explicit PreviewPlayer(QObject *parent = nullptr);
    ~PreviewPlayer() override;

    // Remembers the command's text in PlayerCommandLine and starts it from the program's
    // folder, hidden, without waiting; on success PlayerProcessId is the new player's id.
    // A player that cannot start leaves PlayerProcessId as it was.
    bool start(const CommandLine &command);
    // Asks every player still running to quit, and ends those that do not.
    void stopAll();
    // The player started last while it runs, or nullptr.
    QProcess *current() const;

private:
    QPointer<QProcess> m_current;
};

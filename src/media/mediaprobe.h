#pragma once

#include "common/commandline.h"
#include "media/probereport.h"

#include <QObject>
#include <QPersistentModelIndex>
#include <QQueue>
#include <QString>
#include <QTimer>

class ConversionList;
class Process;

// Adds files to the queue and fills each row from the player's identification lines.
// Files are probed one after another in the order they were added, each row appended
// when its probe begins, so rows appear one by one while the window stays alive. The
// row being filled is held by a persistent index: a row removed meanwhile is left
// alone and the next file goes on.
class MediaProbe : public QObject
{
    Q_OBJECT

public:
    explicit MediaProbe(ConversionList *list, QObject *parent = nullptr);
    ~MediaProbe() override;

    // Queues the file; its row is appended and probed after the files added before it.
    void AddVideoFile(const QString &path);
    // True while a file is being probed or waits for its turn.
    bool isBusy() const { return m_process || !m_waiting.isEmpty(); }
    // A probe that runs longer is stopped (30 s unless set otherwise).
    void setTimeLimit(int milliseconds) { m_limit.setInterval(milliseconds); }

    // The player in identify mode on the first second of the file.
    static CommandLine probeCommand(const QString &path);
    // The encoder's report of the file, for its "Duration: " line.
    static CommandLine durationCommand(const QString &path);

Q_SIGNALS:
    // The row's probe columns are filled.
    void rowProbed(int row);
    // Every added file has been probed.
    void idle();

private:
    enum class Stage { Identify, Duration };

    void startNext();
    bool run(const CommandLine &command, Stage stage);
    void childFinished();
    void finishRow();

    ConversionList *m_list;
    QQueue<QString> m_waiting;
    QPersistentModelIndex m_row;
    QString m_path;
    Process *m_process = nullptr;
    Stage m_stage = Stage::Identify;
    ProbeReport m_report;
    QTimer m_limit;
};

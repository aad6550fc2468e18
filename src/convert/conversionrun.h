// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/childprogram.h"
#include "common/desktop.h"
#include "convert/encodercapabilities.h"
#include "convert/encodercommand.h"
#include "convert/encoderstallwatch.h"
#include "convert/factsahead.h"
#include "convert/outputfile.h"
#include "convert/runmessages.h"
#include "convert/runsettings.h"
#include "media/mediafacts.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class ConversionList;
class OptionSet;
class PreviewPlayer;
class QWidget;

// Converts every row of the queue, first to last, one encoder run at a time. Driven
// by signals: the encoder's end arrives as a signal and the one-second timer reads its
// statistics file, so nothing polls. The progress panel, the command-line mode and the
// tests are all views of these signals.
class ConversionRun : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Completed,    // every row was tried
        Cancelled,    // the user cancelled
        MissingInput, // a row's input file was gone; the rows from it on are untouched
        Stopped,      // stop(): the program is closing
    };
    Q_ENUM(Outcome)

    // profileCaption gives the text the profile chooser shows when each row starts.
    ConversionRun(ConversionList *list, OptionSet *options, std::function<QString()> profileCaption,
                  QObject *parent = nullptr);
    // Stops whatever encoder still runs.
    ~ConversionRun() override;

    // The window the run's message boxes belong to.
    void setMessageParent(QWidget *parent) { m_messageParent = parent; }
    // The program's preview player, stopped when a run starts.
    void setPreviewPlayer(PreviewPlayer *player) { m_player = player; }

    // Another output folder than the settings' one; empty: the settings decide.
    void setOutputFolder(const QString &folder) { m_outputFolder = folder; }
    // Where the end box says to read why rows failed (the window's list by default).
    void setFailureHint(const QString &hint) { m_failureHint = hint; }
    // How long an encoder may go without a word or a byte before its row fails.
    void setStallLimit(int ms) { m_stallWatch.setLimit(ms); }

    bool isRunning() const { return m_running; }
    ConversionList *list() const { return m_list; }
    // The list rows the run converts, in order; set when it starts.
    const QList<int> &rows() const { return m_rows; }
    int currentRow() const { return m_row; }
    int totalProgress() const { return m_total; }
    int trackProgress() const { return m_track; }
    int elapsedSeconds() const { return m_elapsed; }
    // The encoder of the row being converted; 0 while none runs.
    qint64 encoderProcessId() const { return m_job ? m_job->processId() : 0; }

public Q_SLOTS:
    // Starts a run; nothing happens when one is running or the list is empty.
    void start();
    // A run of only the rows marked "Fail", in order; the other rows keep their status.
    void startFailed();
    // Cancels the run: the row becomes "Cancel" and the encoder is asked to quit.
    void cancel();
    // Ends the run at once and without a message, waiting for the encoder to end (it
    // is asked to quit, then terminated): for closing the main window.
    void stop();

Q_SIGNALS:
    void started();
    // The pointer shows that the program is busy.
    void busyChanged(bool busy);
    void rowStarted(int row, const QString &inputPath, const QString &outputPath);
    // Every line the encoder of the current row writes, status lines included.
    void encoderLine(const QString &line);
    void elapsedChanged(int seconds);
    void trackProgressChanged(int percent);
    void totalProgressChanged(int percent);
    // After the total progress has taken the row in. status is "OK" or "Fail"; a failed
    // row's reason is its tooltip.
    void rowFinished(int row, const QString &status, const QString &outputPath);
    void finished(ConversionRun::Outcome outcome);

private:
    void startRows(const QList<int> &rows);
    bool refusedToStart();
    int failedRows() const;
    void beginRows(const EncoderCapabilities &capabilities);
    void startRow();
    void startInspected(const MediaFacts &facts);
    void askAhead(int position);
    static QString encoderProgram();
    bool startEncoder();
    void encoderEnded(int exitCode, ChildProgram::End end);
    void checkOutput();
    void outputChecked(QString why);
    QString failureReason(const QStringList &tail, bool normalExit) const;
    void encoderStalled();
    void finishRow(bool ok, const QString &whyFailed);
    void showStatistics(); // Timer2's tick
    void cancelPath();
    void missingInput(const QString &path);
    void completeRun();
    // The desktop notification's body: files converted and failed, the output folder.
    QString completionNotice() const;
    void endRun(Outcome outcome);
    void detachJob(bool wait);
    void setTrack(int percent);
    void setTotal(int percent);
    void message(const QString &text, Desktop::Icon icon);

    ConversionList *m_list;
    OptionSet *m_options;
    std::function<QString()> m_profileCaption;
    QWidget *m_messageParent = nullptr;
    PreviewPlayer *m_player = nullptr;
    QString m_outputFolder;
    QString m_failureHint = RunMessages::windowFailureHint();
    QTimer Timer2; // one-second progress timer, on while an encoder runs

    RunSettings m_settings;
    EncoderCapabilities m_capabilities;
    EncoderCommand m_command;
    MediaFacts m_source; // of the current row's input, as the encoder found it
    FactsAhead m_ahead{this};
    OutputFile m_output;
    EncoderStallWatch m_stallWatch;
    ChildProgram *m_job = nullptr; // the encoder of the current row
    bool m_running = false;
    bool m_cancelRequested = false;
    bool m_checking = false;  // the current row's output is being read back
    quint64 m_generation = 0; // tells late callbacks of an earlier run apart
    QList<int> m_rows;        // the list rows of this run
    int m_position = 0;       // of the current row in m_rows
    int m_row = 0;            // the current list row
    int m_total = 0;
    int m_track = 0;
    int m_elapsed = 0;
};

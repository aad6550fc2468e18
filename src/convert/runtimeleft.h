// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/timeleftestimate.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class ConversionList;
class ConversionRun;

// The speed and the time left of a conversion run, as texts for the progress panel and
// the command line. Follows the run's signals: each row's length comes from the list
// when the run starts, the media time from the encoder's status lines.
class RunTimeLeft : public QObject
{
    Q_OBJECT

public:
    explicit RunTimeLeft(ConversionRun *run, QObject *parent = nullptr);

    QString speedText() const;
    QString timeLeftText() const;
    const TimeLeftEstimate &estimate() const { return m_estimate; }
    // Seconds since the run started, on the clock the estimate is given.
    double now() const;

    // A row's clip length in seconds (End - Start); 0 when End is not a time.
    static double rowLength(const ConversionList &list, int row);
    // The media time of an encoder status line ("frame= ... time=00:01:02.50 ..."), or
    // nothing for any other line.
    static std::optional<double> encodedSeconds(const QString &line);

Q_SIGNALS:
    // The texts changed: at each status line, and once a second as the time runs down.
    void changed(const QString &speed, const QString &timeLeft);

private:
    void runStarted();
    void rowStarted(int row);
    void encoderLine(const QString &line);
    void rowFinished(const QString &status);
    void tell();

    ConversionRun *m_run;
    TimeLeftEstimate m_estimate;
    QElapsedTimer m_clock;
    QTimer m_tick;
};

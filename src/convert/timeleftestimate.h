// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <optional>

// The speed of a run and the time it has left, from the media time the encoder reports
// and the lengths of the rows still to convert. Times are seconds on any steady clock;
// nothing here reads a clock, so every figure follows from what it was told.
//
// The speed shown is the encoder's recent pace, smoothed over a few seconds so that one
// slow status line does not make it jump; until the run has gone on that long, it is the
// run's average. Nothing is estimated in the run's first second. The current row's time left divides what is
// left of it by that pace. The rows after it are divided by the pace of the whole run
// so far, media converted per second of wall time since the first row began: that pace
// already holds what a row costs besides encoding (starting the encoder, writing the
// file), which the recent pace does not see.
class TimeLeftEstimate
{
public:
    static constexpr double SmoothingSeconds = 5.0;
    // Until the run has been going this long, nothing is estimated.
    static constexpr double FirstSeconds = 1.0;

    // The run's rows in the order they convert, each its clip length in seconds; a length
    // of 0 or less is unknown. Forgets the previous run.
    void begin(const QList<double> &lengths);
    // The row at this place of the run starts converting.
    void rowStarted(int index, double now);
    // The encoder has written the current row up to this media time.
    void encoded(double mediaSeconds, double now);
    // The current row has ended: a converted row counts whole, a failed one for what the
    // encoder had written of it.
    void rowFinished(bool converted, double now);

    // Media seconds per second of wall time; nothing until the encoder has told some.
    std::optional<double> speed() const { return m_speed; }
    // Nothing while the speed is not known or the row's length is not; 0 between rows.
    std::optional<double> rowLeft(double now) const;
    // Nothing until the run's pace is known.
    std::optional<double> queueLeft(double now) const;
    // Rows of unknown length are left out of queueLeft, which is then only a lower bound.
    bool queueLeftIsLowerBound() const;

    // "2.4x"; "estimating..." until the speed is known.
    QString speedText() const;
    // "0:00:41 / queue 0:05:12"; "estimating..." until the run's pace is known.
    QString timeLeftText(double now) const;

private:
    std::optional<double> runPace() const;
    bool rowLeftKnown() const;
    double length(int index) const;

    QList<double> m_lengths;
    int m_index = -1; // the current row's place, or the last finished one's
    bool m_inRow = false;
    bool m_rowSampled = false; // the current row has had a status line
    std::optional<double> m_speed;
    bool m_speedSettled = false; // the run has SmoothingSeconds behind it
    std::optional<double> m_runStart;
    double m_doneMedia = 0;  // of the finished rows
    double m_rowMedia = 0;   // of the current row
    double m_sampleTime = 0; // when m_rowMedia was last told (or the row started)
};

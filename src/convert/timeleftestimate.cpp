// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/timeleftestimate.h"

#include "common/timetext.h"

#include <cmath>

namespace {
QString clock(double seconds)
{
    return TimeText::clock(qint64(std::ceil(std::max(0.0, seconds))));
}
} // namespace

void TimeLeftEstimate::begin(const QList<double> &lengths)
{
    *this = TimeLeftEstimate();
    m_lengths = lengths;
}

void TimeLeftEstimate::rowStarted(int index, double now)
{
    m_index = index;
    m_inRow = true;
    m_rowSampled = false;
    m_rowMedia = 0;
    m_sampleTime = now;
    if (!m_runStart)
        m_runStart = now;
}

void TimeLeftEstimate::encoded(double mediaSeconds, double now)
{
    if (!m_inRow || mediaSeconds < m_rowMedia || now <= m_sampleTime)
        return;
    const double elapsed = now - m_sampleTime;
    const double pace = (mediaSeconds - m_rowMedia) / elapsed;
    const double running = now - *m_runStart;
    if (running < FirstSeconds) {
        // An encoder's first lines tell little (a look-ahead holds frames back): a speed
        // from them would promise hours.
    } else if (!m_speedSettled) {
        // Until there is enough to smooth, the run's average.
        m_speed = (m_doneMedia + mediaSeconds) / running;
        m_speedSettled = running >= SmoothingSeconds;
    } else if (m_rowSampled) {
        // The first line of a row also covers the encoder's start: not a pace of encoding.
        const double weight = 1.0 - std::exp(-elapsed / SmoothingSeconds);
        m_speed = *m_speed + weight * (pace - *m_speed);
    }
    m_rowSampled = true;
    m_rowMedia = mediaSeconds;
    m_sampleTime = now;
}

void TimeLeftEstimate::rowFinished(bool converted, double now)
{
    if (!m_inRow)
        return;
    const double whole = length(m_index);
    m_doneMedia += converted && whole > 0 ? whole : m_rowMedia;
    m_rowMedia = 0;
    m_sampleTime = now;
    m_inRow = false;
}

double TimeLeftEstimate::length(int index) const
{
    return index >= 0 && index < m_lengths.size() ? m_lengths[index] : 0;
}

std::optional<double> TimeLeftEstimate::runPace() const
{
    if (!m_runStart || m_sampleTime - *m_runStart < FirstSeconds)
        return std::nullopt;
    const double media = m_doneMedia + m_rowMedia;
    if (media <= 0)
        return std::nullopt;
    return media / (m_sampleTime - *m_runStart);
}

bool TimeLeftEstimate::rowLeftKnown() const
{
    if (!m_inRow)
        return m_index >= 0; // between rows: the last one is done
    return m_speed && *m_speed > 0 && length(m_index) > 0;
}

std::optional<double> TimeLeftEstimate::rowLeft(double now) const
{
    if (!rowLeftKnown())
        return std::nullopt;
    if (!m_inRow)
        return 0.0;
    const double left = (length(m_index) - m_rowMedia) / *m_speed - (now - m_sampleTime);
    return std::max(0.0, left);
}

std::optional<double> TimeLeftEstimate::queueLeft(double now) const
{
    const auto pace = runPace();
    if (!pace)
        return std::nullopt;
    double left = rowLeft(now).value_or(0);
    for (int index = m_index + 1; index < m_lengths.size(); ++index)
        left += std::max(0.0, length(index)) / *pace;
    return left;
}

bool TimeLeftEstimate::queueLeftIsLowerBound() const
{
    if (!rowLeftKnown())
        return true;
    for (int index = std::max(0, m_index + 1); index < m_lengths.size(); ++index) {
        if (length(index) <= 0)
            return true;
    }
    return false;
}

QString TimeLeftEstimate::speedText() const
{
    if (!m_speed)
        return QStringLiteral("estimating...");
    const double speed = std::max(0.0, *m_speed);
    const int decimals = speed >= 10 ? 0 : speed >= 1 ? 1 : 2;
    return QString::number(speed, 'f', decimals) + QLatin1Char('x');
}

QString TimeLeftEstimate::timeLeftText(double now) const
{
    const auto queue = queueLeft(now);
    if (!queue)
        return QStringLiteral("estimating...");
    const auto row = rowLeft(now);
    const QString rowText = row ? clock(*row) : QStringLiteral("unknown");
    return rowText + QStringLiteral(" / queue ") +
           (queueLeftIsLowerBound() ? QStringLiteral("at least ") : QString()) + clock(*queue);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/runtimeleft.h"

#include "common/timetext.h"
#include "convert/conversionrun.h"
#include "media/conversionlist.h"

#include <QRegularExpression>

RunTimeLeft::RunTimeLeft(ConversionRun *run, QObject *parent) : QObject(parent), m_run(run)
{
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &RunTimeLeft::tell);
    connect(run, &ConversionRun::started, this, &RunTimeLeft::runStarted);
    connect(run, &ConversionRun::rowStarted, this, &RunTimeLeft::rowStarted);
    connect(run, &ConversionRun::encoderLine, this, &RunTimeLeft::encoderLine);
    connect(run, &ConversionRun::rowFinished, this,
            [this](int, const QString &status) { rowFinished(status); });
    connect(run, &ConversionRun::finished, &m_tick, &QTimer::stop);
}

double RunTimeLeft::rowLength(const ConversionList &list, int row)
{
    const auto end = TimeText::seconds(list.text(row, ConversionList::End));
    if (!end)
        return 0;
    return double(*end - TimeText::secondsOrZero(list.text(row, ConversionList::Start)));
}

std::optional<double> RunTimeLeft::encodedSeconds(const QString &line)
{
    static const QRegularExpression time(
        QStringLiteral("(?:^|\\s)time=\\s*(\\d+):(\\d{2}):(\\d{2}(?:\\.\\d+)?)"));
    // Only the status line: "time=" elsewhere (a file name, metadata) is not progress.
    const bool status =
        line.contains(QLatin1String("frame=")) || line.contains(QLatin1String("size="));
    const QRegularExpressionMatch found = time.match(line);
    if (!status || !found.hasMatch())
        return std::nullopt;
    return found.captured(1).toDouble() * 3600 + found.captured(2).toDouble() * 60 +
           found.captured(3).toDouble();
}

double RunTimeLeft::now() const
{
    return m_clock.isValid() ? m_clock.elapsed() / 1000.0 : 0;
}

QString RunTimeLeft::speedText() const
{
    return m_estimate.speedText();
}

QString RunTimeLeft::timeLeftText() const
{
    return m_estimate.timeLeftText(now());
}

void RunTimeLeft::runStarted()
{
    QList<double> lengths;
    for (int row : m_run->rows())
        lengths << rowLength(*m_run->list(), row);
    m_estimate.begin(lengths);
    m_clock.start();
    m_tick.start();
    tell();
}

void RunTimeLeft::rowStarted(int row)
{
    m_estimate.rowStarted(int(m_run->rows().indexOf(row)), now());
    tell();
}

void RunTimeLeft::encoderLine(const QString &line)
{
    if (const auto seconds = encodedSeconds(line)) {
        m_estimate.encoded(*seconds, now());
        tell();
    }
}

void RunTimeLeft::rowFinished(const QString &status)
{
    m_estimate.rowFinished(status == QLatin1String("OK"), now());
    tell();
}

void RunTimeLeft::tell()
{
    Q_EMIT changed(speedText(), timeLeftText());
}

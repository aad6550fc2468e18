// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/runtimeleft.h"

#include "common/timetext.h"
#include "convert/conversionrun.h"
#include "media/conversionlist.h"

#include <algorithm>

RunTimeLeft::RunTimeLeft(ConversionRun *run, QObject *parent) : QObject(parent), m_run(run)
{
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &RunTimeLeft::tell);
    connect(run, &ConversionRun::started, this, &RunTimeLeft::runStarted);
    connect(run, &ConversionRun::rowStarted, this, &RunTimeLeft::rowStarted);
    connect(run, &ConversionRun::encoded, this, &RunTimeLeft::encoded);
    connect(run, &ConversionRun::rowFinished, this,
            [this](int, const QString &status) { rowFinished(status); });
    connect(run, &ConversionRun::rowDropped, this, [this](int position) {
        m_estimate.dropRow(position, now());
        tell();
    });
    connect(run, &ConversionRun::finished, &m_tick, &QTimer::stop);
}

double RunTimeLeft::rowLength(const ConversionList &list, int row)
{
    const auto end = TimeText::seconds(list.text(row, ConversionList::End));
    if (!end)
        return 0;
    return double(*end - TimeText::secondsOrZero(list.text(row, ConversionList::Start)));
}

double RunTimeLeft::rowArea(const ConversionList &list, int row)
{
    const QStringList sides = list.text(row, ConversionList::Size).split(QLatin1Char('x'));
    if (sides.size() != 2)
        return 0;
    return std::max(0.0, sides[0].toDouble()) * std::max(0.0, sides[1].toDouble());
}

double RunTimeLeft::now() const
{
    return m_run->now();
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
    QList<double> areas;
    for (int row : m_run->rows()) {
        lengths << rowLength(*m_run->list(), row);
        areas << rowArea(*m_run->list(), row);
    }
    m_estimate.begin(lengths, areas);
    m_tick.start();
    tell();
}

void RunTimeLeft::rowStarted(int row)
{
    m_estimate.rowStarted(int(m_run->rows().indexOf(row)), now());
    tell();
}

void RunTimeLeft::encoded(double mediaSeconds, double at)
{
    m_estimate.encoded(mediaSeconds, at);
    tell();
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

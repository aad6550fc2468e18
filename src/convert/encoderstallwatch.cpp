// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/encoderstallwatch.h"

#include <QFileInfo>

#include <algorithm>

namespace {
constexpr int PollMs = 1000;
} // namespace

EncoderStallWatch::EncoderStallWatch(QObject *parent) : QObject(parent)
{
    connect(&m_poll, &QTimer::timeout, this, &EncoderStallWatch::check);
}

void EncoderStallWatch::start(const QString &file)
{
    m_file = file;
    m_size = -1;
    m_stalled = false;
    m_quiet.start();
    // A few looks within the limit, so a short one (a test's) is kept as well.
    m_poll.start(std::clamp(m_limitMs / 4, 10, PollMs));
}

void EncoderStallWatch::stop()
{
    m_poll.stop();
}

void EncoderStallWatch::noteActivity()
{
    m_quiet.restart();
}

void EncoderStallWatch::check()
{
    const qint64 size = QFileInfo(m_file).size();
    if (size != m_size) {
        m_size = size;
        m_quiet.restart();
    }
    if (m_quiet.elapsed() < m_limitMs)
        return;
    m_poll.stop();
    m_stalled = true;
    Q_EMIT stalled();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/captureprogress.h"

#include <QRegularExpression>

#include <limits>

namespace {
qint64 number(QStringView value)
{
    bool ok = false;
    const qint64 n = value.trimmed().toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}
} // namespace

bool CaptureProgress::take(const QString &line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return false;
    const QStringView key = QStringView(line).left(equals).trimmed();
    const QStringView value = QStringView(line).mid(equals + 1);
    if (key == u"frame") {
        m_pending.framesRecorded = number(value);
    } else if (key == u"out_time_us") {
        m_pending.timeMs = number(value) / 1000;
    } else if (key == u"drop_frames") {
        m_dropped = number(value);
    } else if (key == u"dup_frames") {
        m_repeated = number(value);
    } else if (key == u"progress") {
        // Counts the encoder reports may be any number; their sum must not overflow.
        m_pending.framesDropped = m_dropped > std::numeric_limits<qint64>::max() - m_repeated
                                      ? std::numeric_limits<qint64>::max()
                                      : m_dropped + m_repeated;
        m_statistics = m_pending;
        m_ended = value.trimmed() == u"end";
        return true;
    }
    return false;
}

void CaptureProgress::reset()
{
    *this = CaptureProgress();
}

bool CaptureProgress::isProgressLine(const QString &line)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z0-9_]+=\\s*\\S*$"));
    return pattern.match(line.trimmed()).hasMatch();
}

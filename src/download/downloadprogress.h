// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// How far a download has come, counted in the bytes that really arrived (64 bits: a
// stream may be larger than 2 GiB). Arrivals are walked in pieces of 1024 bytes, and
// each piece that changes the percentage shows it once: 3000 bytes show 34, 68, 100.
class DownloadProgress
{
public:
    static constexpr qint64 PieceSize = 1024;

    // Starts counting at received bytes already there; total -1 when unknown.
    void start(qint64 received, qint64 total);
    // The percentages the new bytes show, in order, each only when it changed.
    QList<int> add(qint64 bytes);
    // The same for a count told from outside, whose total may change as it goes (a
    // stream in pieces whose size is estimated); a count that went back shows at once.
    QList<int> moveTo(qint64 received, qint64 total);

    qint64 received() const { return m_received; }
    qint64 total() const { return m_total; }
    bool totalKnown() const { return m_total > 0; }
    // The percentage shown last, or -1 when none has been.
    int shownPercent() const { return m_shown; }

    // (100 / total) x received, rounded half to even.
    static int percent(qint64 received, qint64 total);
    // "34 % ": the label beside the bar.
    static QString percentText(int percent);
    // "512 bytes", "12.4 KB", "12.4 MB", "1.50 GB" (1 KB = 1024 bytes).
    static QString amountText(qint64 bytes);

private:
    qint64 m_received = 0;
    qint64 m_total = -1;
    int m_shown = -1;
};

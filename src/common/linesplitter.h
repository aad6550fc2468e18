// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Cuts child output into lines as it arrives. Both child programs end status lines with
// CR alone and other lines with LF (or CR LF), so a line ends at CR, at LF, or at a CR LF
// pair; an unfinished tail is carried over to the next chunk.
class LineSplitter
{
public:
    // The lines completed by this chunk.
    QStringList feed(const QString &chunk);
    // The unfinished tail, if any; the splitter starts afresh.
    QString takeRest();

private:
    QString m_tail;
    bool m_lastWasCr = false;
};

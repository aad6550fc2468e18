// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class ChildProgram;

// What the encoder wrote, read for the user who wants to know why a row failed: the
// last lines are kept by the encoder's runner, its running status lines left out, and
// the most telling of them make the reason.
class EncoderLog
{
public:
    static constexpr int KeptLines = 40;
    static constexpr int SummaryLines = 3;

    // Sets the runner to keep the last KeptLines lines that are not status lines.
    static void keepTail(ChildProgram &encoder);
    // "frame= ..." and "size= ...": the encoder's running status.
    static bool isStatusLine(const QString &line);
    // Error reports before anything else, the closing "Conversion failed!" left out,
    // which says nothing of the cause.
    static QString failureSummary(const QStringList &lastLines);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The last complete line of a text file: lines end in LF or CR LF, and a line still
// being written (no line end yet) is not returned. Empty when the file cannot be read
// or holds no complete line. Only the file's tail is read, however long it has grown.
QString ReadLastLineOfFile(const QString &fileName);

// The encoder's statistics lines ("out= 0 st= 0 frame= 12 q= 2.0 ... time= 0.480 br= ...").
class EncoderStatistics
{
public:
    // The value of the "time=" field, in seconds; nothing when the line has none.
    static std::optional<double> encodedSeconds(const QString &line);
    // The row's progress for a clip of that length; nothing when it cannot be told
    // (no time, a clip of no length, a value outside 0 to 100).
    static std::optional<int> percent(const QString &line, qint64 clipSeconds);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// What the player's identification lines tell of a file: frame size, video format and
// length. The player ends its lines with LF alone, other programs with CR LF; both end
// a line here. Keys are matched exactly and the last occurrence of a key wins.
class ProbeReport
{
public:
    static ProbeReport parse(const QString &report);
    // The length from the encoder's "Duration: H:MM:SS.ss" line, for files whose
    // length the player does not know; nothing when the encoder does not know it either.
    static std::optional<qint64> encoderDuration(const QString &encoderReport);

    qint32 width = 0;
    qint32 height = 0;
    // Whole seconds of the last "ID_LENGTH"; nothing when the key never came.
    std::optional<qint64> length;
    // The last "ID_VIDEO_FORMAT", unchanged; nothing when the key never came.
    std::optional<QString> format;

    // The format as the list shows it: the player's own name, or for the numbers it gives
    // some formats ("0x10000002") the format's name; empty when the key never came.
    QString formatText() const;
    // "640x480"; "0x0" when neither key came.
    QString sizeText() const;
    // "0:01:23", hours never wrapped; empty when the length is unknown.
    QString lengthText() const;
    // No length, or a length of 0: a row would then be converted to nothing.
    bool lacksLength() const { return !length || *length <= 0; }
};

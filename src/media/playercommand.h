// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/commandline.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// The preview player's command line: the player, an optional start position, the
// window it draws into, its options and the file.
class PlayerCommand
{
public:
    // The option fragment comes in four spellings that differ only in the blanks before
    // "-vo" and "-vf" (the player ignores them; the command's text shows them).
    enum class Blanks {
        Vo3Vf2, // main "Play" and "Last Frames"
        Vo4Vf1, // main "First Frame"
        Vo4Vf2, // main seek, editor "First Frame"
        Vo3Vf3, // editor "Play", "Last Frames" and seek
    };

    static QString options(Blanks blanks);
    // start: whole seconds from the file's beginning, or none to play from the start.
    static CommandLine build(const QString &file, qint64 windowId, std::optional<qint32> start,
                             Blanks blanks);
};

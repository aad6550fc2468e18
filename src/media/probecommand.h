// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// "klevar --probe [--] FILE...": probes each file as the window does and prints one line per
// file with the row's File Name, Start, End, Size, Format and Video Time, separated by
// tabs. Needs no display, only an event loop.
class ProbeCommand
{
public:
    // The arguments after "--probe". 0 when the files were probed; 1 when a name given
    // is not a readable file (its line is printed all the same); 2 when none was given.
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
};

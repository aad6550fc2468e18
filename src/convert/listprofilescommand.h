// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTextStream;

// "klevar --list-profiles": every entry of the profile chooser, one a line: its 1-based
// position (what --profile takes), its key and its text, separated by tabs.
class ListProfilesCommand
{
public:
    // 0; 2 when the catalogue cannot be read.
    int run(QTextStream &out, QTextStream &err);
};

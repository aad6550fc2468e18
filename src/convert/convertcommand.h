// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/profileentry.h"

#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// "klevar --convert [--profile N|KEY] [--output DIR] [--] FILE...": converts files without
// a window, with the engine the window uses. Each file is probed as the window probes it,
// the options are the defaults of profile N (the chooser's 1-based position, as
// --list-profiles prints it first) or of the type with that key ("p006", as it prints
// second; the stored profile when not given), the existing-file rule and the thread count come from
// settings.dat, the output folder too unless given. One line per file as it ends: row,
// total percent, status, output path; a failed row is followed by the encoder's last
// lines.
class ConvertCommand
{
public:
    struct Arguments
    {
        int profile = 0;    // 0: the stored one, or the one of profileKey
        QString profileKey; // a type's key ("p006"), when given instead of a position
        QString outputFolder;
        QStringList files;
        QString error; // why the arguments cannot be used; empty when they can
    };
    static Arguments parse(const QStringList &arguments);
    // The position of the type with this key in the chooser's entries; 0 when none has it.
    static int positionOf(const QList<ProfileEntry> &entries, const QString &key);

    // The arguments after "--convert". 0 when every row converted, 1 when one did not,
    // 2 when nothing could be converted (arguments, catalogue, profile).
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// "klevar --convert [--profile N] [--output DIR] [--] FILE...": converts files without a
// window, with the engine the window uses. Each file is probed as the window probes it,
// the options are the defaults of profile N (the chooser's 1-based position; the stored
// profile when not given), the existing-file rule and the thread count come from
// settings.dat, the output folder too unless given. One line per file as it ends: row,
// total percent, status, output path; a failed row is followed by the encoder's last
// lines.
class ConvertCommand
{
public:
    struct Arguments
    {
        int profile = 0; // 0: the stored one
        QString outputFolder;
        QStringList files;
        QString error; // why the arguments cannot be used; empty when they can
    };
    static Arguments parse(const QStringList &arguments);

    // The arguments after "--convert". 0 when every row converted, 1 when one did not,
    // 2 when nothing could be converted (arguments, catalogue, profile).
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
};

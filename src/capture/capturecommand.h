// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// "klevar --capture [--device N] --seconds S [--] FILE": records S seconds of device N
// (an index of --list-capture-devices) into FILE with the capture window's engine, and
// prints the window's statistics line every second and at the end.
class CaptureCommand
{
public:
    struct Arguments
    {
        int device = 0;
        double seconds = 0;
        QString file;
        QString error; // why the arguments cannot be used; empty when they can
    };
    static Arguments parse(const QStringList &arguments);

    // The arguments after "--capture". 0 when FILE holds the finished recording, 1 when
    // the recording failed or was cut short, 2 on bad arguments or no such device, 130
    // when interrupted (the recording is finished first and kept).
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
};

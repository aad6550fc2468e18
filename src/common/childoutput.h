// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;

// Runs a program that tells something and ends (a report, a listing), and hands over
// everything it wrote, standard output and standard error merged, once it has ended.
class ChildOutput
{
public:
    // done runs from the event loop, never before collect() returns, with started false
    // when the program could not be run; nothing runs when context is destroyed first,
    // and the program is then stopped. A program still running after limitMs is killed
    // and done gets what it wrote until then.
    static void collect(const QString &program, const QStringList &arguments, QObject *context,
                        int limitMs,
                        const std::function<void(const QString &output, bool started)> &done);
};

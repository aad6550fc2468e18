// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class QTextStream;

// The modes that run without a window: "--probe", "--convert", "--list-profiles",
// "--watch-info", "--download", "--list-capture-devices", "--capture", "--help". They
// print to standard output and need no display, but for recording the screen. Without a
// mode the arguments are files for the window's queue.
class CommandLineMode
{
public:
    // One mode: its name, its lines of --help, and what runs it with the arguments after
    // its name, giving the program's exit code.
    struct Mode
    {
        const char *name;
        const char *usage;
        int (*run)(const QStringList &arguments, QTextStream &out, QTextStream &err);
    };

    // Every mode, in the order --help and the manual page list them.
    static std::span<const Mode> modes();
    // The mode of that name ("-h" is --help); nullptr for none.
    static const Mode *find(const QString &name);
    // What --help prints: the window's usage, then every mode's.
    static QString helpText();

    // The exit code when the arguments ask for such a mode; nothing when the window is
    // to open.
    static std::optional<int> run(int argc, char **argv);

    // The files to add to the queue when the window opens, from the program's arguments
    // (the program's name first): every argument but a leading "--", made absolute
    // against the working folder, which the child programs do not share.
    static QStringList windowFiles(const QStringList &arguments);
};

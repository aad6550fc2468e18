#pragma once

#include <QStringList>

#include <optional>

// The modes that run without a window: "--probe", "--convert", "--list-profiles",
// "--watch-info", "--download", "--list-capture-devices", "--capture", "--help". They
// print to standard output and need no display, but for recording the screen. Without a
// mode the arguments are files for the window's queue.
class CommandLineMode
{
public:
    // The exit code when the arguments ask for such a mode; nothing when the window is
    // to open.
    static std::optional<int> run(int argc, char **argv);

    // The files to add to the queue when the window opens, from the program's arguments
    // (the program's name first): every argument but a leading "--", made absolute
    // against the working folder, which the child programs do not share.
    static QStringList windowFiles(const QStringList &arguments);

    static const char *usage();
};

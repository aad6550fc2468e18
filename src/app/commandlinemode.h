#pragma once

#include <optional>

// The modes that run without a window: "--probe", "--convert", "--list-profiles",
// "--watch-info", "--download", "--help". They need no display and print to standard
// output.
class CommandLineMode
{
public:
    // The exit code when the arguments ask for such a mode; nothing when the window is
    // to open.
    static std::optional<int> run(int argc, char **argv);

    static const char *usage();
};

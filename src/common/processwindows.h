// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The player and the encoder are steered by their own keyboard commands. Here a key
// reaches a child program through its standard input, typed as at a console; both
// programs read their commands there. The owner of the program writes the key to it.
class ProcessWindows
{
public:
    enum Key { KeySpace = 32, KeyLeft = 37, KeyRight = 39, KeyQ = 81 };

    // What a console sends for the key: "q", " ", ESC "[D", ESC "[C"; empty for others.
    static QByteArray keyText(int key);
};

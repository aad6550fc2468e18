// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's folder, always ending in "/": every file the program reads or writes
// beside itself (catalogue, settings, skin, help, the two child programs) is found by
// joining it with a relative name. The working directory plays no part.
QString AppFolder();

// Tests, benchmarks and the command-line mode may run the engine from another folder.
// An empty text goes back to the folder of the executable.
void setAppFolder(const QString &folder);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The last complete line of a text file: lines end in LF or CR LF, and a line still
// being written (no line end yet) is not returned. Empty when the file cannot be read
// or holds no complete line. Only the file's tail is read, however long it has grown.
QString ReadLastLineOfFile(const QString &fileName);

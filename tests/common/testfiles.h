// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Files the tests make and read back.
namespace TestFiles {
// The file's bytes; empty when it cannot be read.
QByteArray contentsOf(const QString &path);
// Writes the bytes as the whole file; a failure fails the test.
void store(const QString &path, const QByteArray &bytes);
// An executable shell script in place of whatever is at path (a link to a program too).
void script(const QString &path, const QByteArray &body);
} // namespace TestFiles

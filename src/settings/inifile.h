// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A small editor for initialisation files: "[section]" lines and "key=value" lines.
// Sections and keys match without regard to case. A write changes only the one line it
// is about and keeps every other byte of the file, unknown lines and binary junk
// included; it goes through a temporary file renamed over the old one, so a failed
// write leaves the old file whole. A settings file that is a link, a pipe or another
// user's file is neither replaced nor waited on.
class IniFile
{
public:
    // At most this many characters of a stored value are read, and of a value written.
    static constexpr int ReadLimit = 127;
    static constexpr int WriteLimit = 128;

    // The value, trimmed and cut to ReadLimit; empty when the file, section or key is
    // missing.
    static QString read(const QString &path, const QString &section, const QString &key);
    // Creates the file and the section when they do not exist; false when the file could
    // not be written (the old file then stays as it was) or the value holds a line break,
    // which no line of the file can keep.
    static bool write(const QString &path, const QString &section, const QString &key,
                      const QString &value);

    // The same on file contents, for the two above and for tests.
    static QString readFrom(const QByteArray &contents, const QString &section,
                            const QString &key);
    static QByteArray writeTo(const QByteArray &contents, const QString &section,
                              const QString &key, const QString &value);
};

// The names the rest of the program knows these operations by.
QString ReadIni(const QString &path, const QString &section, const QString &key);
void WriteIni(const QString &path, const QString &section, const QString &key,
              const QString &value);

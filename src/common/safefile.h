// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Every file Klevar writes, and every file it reads that could make it wait, is opened
// here by one rule. A file is written only when it is a regular file of this user,
// reached without a symbolic link, so a link planted at a name never carries a write out
// of its folder. No open ever waits: a named pipe or a device is refused before it is
// opened, and the open itself does not block.
class SafeFile
{
public:
    enum class Write {
        Replace,   // from the start, creating the file when it is missing
        Append,    // after its end, creating the file when it is missing
        CreateNew, // only a file that does not exist yet
    };

    // Why path may not be written; empty when nothing is there or a regular file of this
    // user is.
    static QString writeRefusal(const QString &path);
    // Why path may not be read; empty for a regular file (links are followed).
    static QString readRefusal(const QString &path);

    // Opens the file's name for writing, unbuffered. false, with the reason in *error and
    // nothing touched, when the rule refuses it or it cannot be opened.
    static bool openForWriting(QFile &file, Write how, QString *error = nullptr);
    static bool openForReading(QFile &file, QString *error = nullptr);

    // Writes data whole into path: into a new hidden file beside it, which then takes the
    // name. false, with *error, when it could not; path is then as it was.
    static bool writeWhole(const QString &path, const QByteArray &data, QString *error = nullptr);
};

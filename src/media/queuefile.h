// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The queue kept between runs: for each row the file, its clip times, its watermark and
// its status, so that a crash, a logout or a closed window loses nothing the user set up.
// A text file in UTF-8: a first line naming the format, then one line per row with the
// five fields separated by tabs, each field escaped as the command-line modes escape
// theirs (\t, \n, \r, \\), so any name, a tab or a line break in it too, reads back as
// it was. The file is only ever written whole.
class QueueFile
{
public:
    struct Row
    {
        QString file;
        QString start;
        QString end;
        QString watermark;
        QString status;
        bool operator==(const Row &other) const = default;
    };

    // What a start found: the rows, or why the file could not be read and the name it
    // was set aside under.
    struct Reading
    {
        QList<Row> rows;
        QString error;
        QString setAsideAs;
    };

    static QByteArray toText(const QList<Row> &rows);
    // Nothing when the text is not a whole queue file of this format.
    static std::optional<QList<Row>> fromText(const QByteArray &text);

    // Writes the rows whole; false with *error when it could not, and the file is as it was.
    static bool write(const QString &path, const QList<Row> &rows, QString *error = nullptr);
    // A missing file is an empty queue. One that cannot be read is renamed out of the way
    // (setAsideName), so it is reported once and the next change starts a new one.
    static Reading read(const QString &path);
    static QString setAsideName(const QString &path);
};

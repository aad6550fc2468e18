// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;
struct VideoDetails;

// "klevar --watch-info URL": reads a watch page as "Get Direct Link" does and prints
// what it found, one "name<TAB>value" line per detail, then one
// "stream<TAB>QUALITY<TAB>address" line per quality the page offers.
class WatchInfoCommand
{
public:
    // Tabs, line breaks and backslashes as "\t", "\n" and "\\": one value, one line.
    static QString escaped(const QString &value);
    // Fetches the page, waiting here; nothing when it could not be loaded (the reason
    // then goes to err).
    static std::optional<QString> fetchPage(const QString &address, QTextStream &err);

    // The arguments after "--watch-info". 0: the page was read; 1: it could not be
    // loaded; 2: bad arguments.
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
};

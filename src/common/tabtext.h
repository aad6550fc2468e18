// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Fields of the tab-separated lines the command-line modes print. A tab or a line break
// inside a field would shift the fields of a line or split it in two, so each field is
// written with a backslash escape: tab as \t, line feed as \n, carriage return as \r
// and the backslash itself as \\. Nothing else changes, so most names read as they are.
class TabText
{
public:
    // The field as it goes into a line.
    static QString field(const QString &text);
    // The fields escaped and joined by tabs, without a line end.
    static QString line(const QStringList &fields);
    // The fields of such a line, escapes undone; nothing when a backslash starts no
    // escape of the four, or the line holds a raw line break.
    static std::optional<QStringList> fields(const QString &line);
};

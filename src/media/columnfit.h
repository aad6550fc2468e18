// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

// Widths of the list's columns for a given room. The first column (the file's full path)
// takes what the others leave and stays the widest; when the room is short, the others
// give up width in proportion to what they need, and their texts elide.
class ColumnFit
{
public:
    // needs: the width each column needs to show its caption and usual contents whole,
    // the first column's included. The widths never add up to more than `available`.
    static QList<int> widths(int available, const QList<int> &needs);
};

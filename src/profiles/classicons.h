// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// ImageList1: the 16 by 16 pictures of the profile classes, numbered 1 to 29; class N
// shows picture N.
class ClassIcons
{
public:
    static constexpr int Count = 29;
    static constexpr int Size = 16;

    static bool has(qint64 number) { return number >= 1 && number <= Count; }
    // Null for a number without a picture.
    static QPixmap pixmap(int number);
    static QIcon icon(int number);
    static QString resourcePath(int number);
};

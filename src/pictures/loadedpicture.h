// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// What the picture loader gives: the picture, or why there is none.
struct LoadedPicture
{
    QImage picture;
    QString error; // "Error loading picture " and the file's name; empty when loaded

    bool ok() const { return error.isEmpty(); }
};

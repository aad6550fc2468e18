// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The value of a queue row's Watermark column: empty, or "image;" + the picture's path +
// ";area;" + the place's name. The editor writes it, the encoder command reads it.
struct WatermarkText
{
    QString image; // the picture's path; empty for no watermark
    QString place; // "Top left corner" ... "Center"

    bool isEmpty() const { return image.isEmpty(); }
    QString text() const;
    // Pieces 1 and 3 between ";"; both empty for a blank text.
    static WatermarkText parse(const QString &text);
};

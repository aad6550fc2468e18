// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ConversionList;

// What carries a queue row into the clip and watermark editor and back: taken from the
// row when the editor opens, read by its load step and its preview panel.
struct ClipState
{
    QString ClipFile;       // the row's input path; emptied when the editor closes
    QString ClipStart;      // the row's Start text
    QString ClipEnd;        // the row's End text
    QString ClipVideoTime;  // the row's Video Time text: the whole file's length
    QString WatermarkImage; // path of the chosen picture; empty for none
    QString WatermarkPlace; // place name read from the row's Watermark column

    static ClipState fromRow(const ConversionList &list, int row);

    // The Watermark column's text: "image;" + picture + ";area;" + place.
    static QString watermarkText(const QString &image, const QString &place);
    // Sets WatermarkImage and WatermarkPlace from a Watermark column's text (pieces 1
    // and 3 between ";"); both empty for an empty text.
    void readWatermark(const QString &text);
};

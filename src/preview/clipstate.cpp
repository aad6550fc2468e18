// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/clipstate.h"

#include "media/conversionlist.h"
#include "media/watermarktext.h"

ClipState ClipState::fromRow(const ConversionList &list, int row)
{
    ClipState clip;
    clip.ClipFile = list.text(row, ConversionList::FileName);
    clip.ClipStart = list.text(row, ConversionList::Start);
    clip.ClipEnd = list.text(row, ConversionList::End);
    clip.ClipVideoTime = list.text(row, ConversionList::VideoTime);
    clip.readWatermark(list.text(row, ConversionList::Watermark));
    return clip;
}

QString ClipState::watermarkText(const QString &image, const QString &place)
{
    return WatermarkText{image, place}.text();
}

void ClipState::readWatermark(const QString &text)
{
    const WatermarkText watermark = WatermarkText::parse(text);
    WatermarkImage = watermark.image;
    WatermarkPlace = watermark.place;
}

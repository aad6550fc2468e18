#include "preview/clipstate.h"

#include "media/watermarktext.h"

ClipState &ClipState::instance()
{
    static ClipState state;
    return state;
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

#include "preview/clipstate.h"

#include <QStringList>

ClipState &ClipState::instance()
{
    static ClipState state;
    return state;
}

QString ClipState::watermarkText(const QString &image, const QString &place)
{
    return QStringLiteral("image;") + image + QStringLiteral(";area;") + place;
}

void ClipState::readWatermark(const QString &text)
{
    WatermarkImage.clear();
    WatermarkPlace.clear();
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return;
    const QStringList pieces = trimmed.split(QLatin1Char(';'));
    WatermarkImage = pieces.value(1);
    WatermarkPlace = pieces.value(3);
}

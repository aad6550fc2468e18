// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/watermarktext.h"

#include <QStringList>

QString WatermarkText::text() const
{
    return QStringLiteral("image;") + image + QStringLiteral(";area;") + place;
}

WatermarkText WatermarkText::parse(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QStringList pieces = trimmed.split(QLatin1Char(';'));
    return {pieces.value(1), pieces.value(3)};
}

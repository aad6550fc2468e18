// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

// Where the main window was and how big, as kept in settings.dat between runs:
// "x,y,width,height" of its normal (not maximised) place, then ",max" when it was
// maximised.
struct WindowPlace
{
    QRect normal;
    bool maximized = false;

    QString toText() const;
    // Nothing for a text that is not such a place.
    static std::optional<WindowPlace> fromText(const QString &text);

    // The normal place moved and shrunk as little as needed to lie whole within one of
    // the screens' available areas: the one it overlaps most, or the first (the primary
    // screen) when it overlaps none. A screen removed since, or a smaller one, never
    // leaves the window out of reach.
    QRect fittedTo(const QList<QRect> &screens) const;
};

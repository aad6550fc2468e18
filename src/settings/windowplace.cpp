// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/windowplace.h"

#include <QStringList>
#include <QWidget>

QString WindowPlace::toText() const
{
    QString text = QStringLiteral("%1,%2,%3,%4")
                       .arg(normal.x())
                       .arg(normal.y())
                       .arg(normal.width())
                       .arg(normal.height());
    if (maximized)
        text += QStringLiteral(",max");
    return text;
}

std::optional<WindowPlace> WindowPlace::fromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 4 || parts.size() > 5)
        return std::nullopt;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    // No window is larger than Qt's largest widget, nor placed further out; beyond that
    // the rectangle's corners would not fit in an integer.
    for (int i = 0; i < 4; ++i) {
        if (numbers[i] < (i < 2 ? -QWIDGETSIZE_MAX : 1) || numbers[i] > QWIDGETSIZE_MAX)
            return std::nullopt;
    }
    if (parts.size() == 5 && parts[4].trimmed() != QLatin1String("max"))
        return std::nullopt;
    return WindowPlace{QRect(numbers[0], numbers[1], numbers[2], numbers[3]), parts.size() == 5};
}

QRect WindowPlace::fittedTo(const QList<QRect> &screens) const
{
    if (screens.isEmpty())
        return normal;
    QRect screen = screens.first();
    qint64 most = 0;
    for (const QRect &candidate : screens) {
        const QRect common = candidate.intersected(normal);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > most) {
            most = area;
            screen = candidate;
        }
    }
    QRect fitted(normal.topLeft(), normal.size().boundedTo(screen.size()));
    fitted.moveLeft(qBound(screen.left(), fitted.left(), screen.right() - fitted.width() + 1));
    fitted.moveTop(qBound(screen.top(), fitted.top(), screen.bottom() - fitted.height() + 1));
    return fitted;
}

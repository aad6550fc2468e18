// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/classiclook.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
// One ring of a Windows-style 3D edge: the top and left sides in one colour, the bottom
// and right sides in the other; right and bottom are exclusive.
void edgeRing(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    const int right = r.x() + r.width() - 1;
    const int bottom = r.y() + r.height() - 1;
    p.setPen(topLeft);
    p.drawLine(r.x(), r.y(), right, r.y());
    p.drawLine(r.x(), r.y(), r.x(), bottom);
    p.setPen(bottomRight);
    p.drawLine(r.x(), bottom, right, bottom);
    p.drawLine(right, r.y(), right, bottom);
}

QPixmap handPixmap()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainterPath hand;
    hand.moveTo(3, 2);
    hand.quadTo(5.5, -1, 8, 2); // the fingertip at (5, 0)
    hand.lineTo(8, 9);
    hand.quadTo(9.5, 7, 11, 9);
    hand.quadTo(12.5, 8, 14, 10);
    hand.quadTo(15.5, 9, 17, 11);
    hand.lineTo(17, 21);
    hand.lineTo(15, 26);
    hand.lineTo(6, 26);
    hand.lineTo(1, 18);
    hand.quadTo(0, 14, 3, 15);
    hand.closeSubpath();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.drawLine(QPointF(11, 10), QPointF(11, 15));
    p.drawLine(QPointF(14, 11), QPointF(14, 15));
    return pixmap;
}
} // namespace

// A system colour code 0x800000NN names the desktop's colour NN; here the palette
// stands for the desktop.
QPalette::ColorRole ClassicLook::systemColourRole(quint32 index)
{
    switch (index) {
    case 2:  // active caption
    case 13: // highlight
        return QPalette::Highlight;
    case 5:
        return QPalette::Base;
    case 6:
    case 21:
        return QPalette::Shadow;
    case 7:
    case 8:
        return QPalette::WindowText;
    case 9:
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button;
    case 16:
        return QPalette::Dark;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Window;
    }
}

void ClassicLook::drawEdge(QPainter &p, const QRect &r, Ring outer, Ring inner, const QPalette &pal)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (outer == Ring::Raised)
        edgeRing(p, r, pal.color(QPalette::Midlight), pal.color(QPalette::Shadow));
    else
        edgeRing(p, r, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    const QRect in = r.adjusted(1, 1, -1, -1);
    if (in.width() <= 0 || in.height() <= 0)
        return;
    if (inner == Ring::Raised)
        edgeRing(p, in, pal.color(QPalette::Light), pal.color(QPalette::Dark));
    else
        edgeRing(p, in, pal.color(QPalette::Shadow), pal.color(QPalette::Midlight));
}

QCursor ClassicLook::handCursor()
{
    static const QPixmap pixmap = handPixmap();
    return QCursor(pixmap, 5, 0);
}

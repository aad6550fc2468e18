// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPalette>

class QPainter;
class QRect;

// The desktop look the range slider was drawn in, with the palette standing for the
// desktop's colours: system colour codes, 3D edges and the pointing hand.
class ClassicLook
{
public:
    enum class Ring { Raised, Sunken };

    // A system colour code 0x800000NN names the desktop's colour NN (2: active caption).
    static QPalette::ColorRole systemColourRole(quint32 index);
    // A 3D edge of two rings on all four sides of r: raised rings are light at the top
    // left, sunken ones dark (raised + raised = raised, sunken + raised = etched, ...).
    static void drawEdge(QPainter &p, const QRect &r, Ring outer, Ring inner, const QPalette &pal);
    // 32 by 32, hot spot at (5, 0): the tip of the pointing finger.
    static QCursor handCursor();
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/rangethumb.h"

#include "preview/rangetool.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
enum class Shade { Dark, Shadow, Light };

struct Line
{
    int x1, y1, x2, y2;
    Shade shade;
};

using Lines = std::initializer_list<Line>;

// The outlines of the three looks, drawn in this order: a later line wins where two
// meet.
const Lines lowerRaised = {{7, 0, 14, 14, Shade::Dark},   {0, 14, 14, 14, Shade::Dark},
                           {7, 1, 13, 13, Shade::Shadow}, {1, 13, 13, 13, Shade::Shadow},
                           {0, 14, 7, 0, Shade::Light},   {1, 13, 7, 1, Shade::Light}};
const Lines lowerPressed = {{0, 14, 7, 0, Shade::Dark},    {1, 13, 7, 1, Shade::Shadow},
                            {7, 2, 13, 13, Shade::Shadow}, {1, 13, 13, 13, Shade::Shadow},
                            {7, 0, 14, 14, Shade::Light},  {0, 14, 14, 14, Shade::Light}};
const Lines lowerFlat = {{1, 13, 13, 13, Shade::Shadow}, {7, 1, 13, 13, Shade::Light},
                         {0, 14, 14, 14, Shade::Light},  {2, 13, 8, 1, Shade::Light},
                         {7, 2, 13, 13, Shade::Shadow},  {0, 14, 7, 0, Shade::Shadow}};
const Lines upperRaised = {{14, 0, 7, 14, Shade::Dark},
                           {13, 0, 7, 13, Shade::Shadow},
                           {0, 0, 14, 0, Shade::Light},
                           {0, 0, 7, 14, Shade::Light}};
const Lines upperPressed = {{13, 0, 7, 13, Shade::Shadow}, {14, 0, 7, 14, Shade::Light},
                            {1, 1, 13, 1, Shade::Shadow},  {1, 1, 7, 13, Shade::Shadow},
                            {0, 0, 14, 0, Shade::Dark},    {0, 0, 7, 14, Shade::Dark}};
const Lines upperFlat = {{1, 1, 13, 1, Shade::Light},   {1, 0, 7, 12, Shade::Light},
                         {13, 0, 7, 13, Shade::Shadow}, {14, 0, 7, 14, Shade::Light},
                         {0, 0, 14, 0, Shade::Shadow},  {0, 0, 7, 14, Shade::Shadow}};

QColor colourOf(const QPalette &palette, Shade shade)
{
    switch (shade) {
    case Shade::Dark:
        return palette.color(QPalette::Shadow);
    case Shade::Shadow:
        return palette.color(QPalette::Dark);
    case Shade::Light:
        break;
    }
    return palette.color(QPalette::Light);
}
} // namespace

RangeThumb::RangeThumb(Role role, RangeTool *tool) : QWidget(tool), m_role(role), m_tool(tool)
{
    setObjectName(role == Role::Upper ? QStringLiteral("picTop") : QStringLiteral("picBottom"));
    resize(RangeTool::ThumbSize, RangeTool::ThumbSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RangeThumb::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintTriangle(painter);
    paintOutline(painter);
}

void RangeThumb::paintTriangle(QPainter &painter)
{
    const QColor background = m_tool->containerColor();
    const QColor face = m_tool->palette().color(QPalette::Button);
    for (int i = 0; i < RangeTool::ThumbSize; ++i) {
        const qreal y = m_role == Role::Lower ? 14 - i : i;
        painter.setPen(background);
        painter.drawLine(QPointF(0, y), QPointF(15, y));
        painter.setPen(face);
        painter.drawLine(QPointF(i / 2.0, y), QPointF(14 - i / 2.0, y));
    }
}

void RangeThumb::paintOutline(QPainter &painter)
{
    const bool lower = m_role == Role::Lower;
    Lines lines = lower ? lowerRaised : upperRaised;
    switch (m_tool->lookOf(this)) {
    case RangeTool::Look::Flat:
        lines = lower ? lowerFlat : upperFlat;
        break;
    case RangeTool::Look::Pressed:
        lines = lower ? lowerPressed : upperPressed;
        break;
    case RangeTool::Look::Raised:
        break;
    }
    for (const Line &line : lines) {
        painter.setPen(colourOf(m_tool->palette(), line.shade));
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
}

void RangeThumb::mousePressEvent(QMouseEvent *event)
{
    m_tool->pressThumb(this, event->position());
}

void RangeThumb::mouseMoveEvent(QMouseEvent *event)
{
    m_tool->moveThumb(this, event->position());
}

void RangeThumb::mouseReleaseEvent(QMouseEvent *)
{
    m_tool->releaseThumb(this);
}

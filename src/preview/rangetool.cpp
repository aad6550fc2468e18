// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/rangetool.h"

#include "common/rounding.h"
#include "preview/classiclook.h"
#include "preview/rangethumb.h"

#include <QPainter>
#include <QResizeEvent>

#include <limits>

namespace {
bool fitsInt(qint64 value)
{
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

int clampInto(int value, int low, int high)
{
    if (value < low)
        value = low;
    if (value > high)
        value = high;
    return value;
}

} // namespace

RangeTool::RangeTool(QWidget *parent)
    : QWidget(parent), picTop(new RangeThumb(RangeThumb::Role::Upper, this)),
      picBottom(new RangeThumb(RangeThumb::Role::Lower, this)), shpFill(new QWidget(this))
{
    shpFill->setObjectName(QStringLiteral("shpFill"));
    shpFill->setAttribute(Qt::WA_TransparentForMouseEvents);
    shpFill->setAutoFillBackground(true);
    setMinimumSize(MinimumSide, MinimumSide);
    updateBarColour();
    updateCursors();
    UpdatePosition();
}

QCursor RangeTool::handCursor()
{
    return ClassicLook::handCursor();
}

void RangeTool::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

void RangeTool::setColor(quint32 color)
{
    m_color = color;
    updateBarColour();
}

QColor RangeTool::fillColor() const
{
    if (m_color & 0x80000000u)
        return palette().color(QPalette::Active, ClassicLook::systemColourRole(m_color & 0xffu));
    return QColor(m_color & 0xff, (m_color >> 8) & 0xff, (m_color >> 16) & 0xff);
}

QColor RangeTool::containerColor() const
{
    const QWidget *container = parentWidget();
    if (!container)
        return palette().color(QPalette::Window);
    return container->palette().color(container->backgroundRole());
}

void RangeTool::updateBarColour()
{
    QPalette pal = shpFill->palette();
    pal.setColor(QPalette::Window, fillColor());
    shpFill->setPalette(pal);
}

void RangeTool::UpdatePosition()
{
    m_trackWidth = width() - 17;
    const qint64 span = qint64(m_max) - m_min;
    if (fitsInt(span))
        m_span = int(span);
    if (m_trackWidth != 0)
        m_valuePerPixel = float(m_span) / float(m_trackWidth);
    if (m_span != 0) {
        const qint64 upper =
            roundHalfEven(double(m_upperValue - qint64(m_min)) / m_span * m_trackWidth);
        if (fitsInt(upper))
            picTop->move(int(upper), 0);
        const qint64 lower =
            roundHalfEven(double(m_lowerValue - qint64(m_min)) / m_span * m_trackWidth);
        if (fitsInt(lower))
            picBottom->move(int(lower), height() - picBottom->height());
    }
    const int barHeight = height() - 2 * picBottom->height() - 7;
    if (barHeight >= 0) {
        shpFill->setGeometry(picBottom->x() + 7, picTop->height() + 4,
                             qMax(picTop->x() - picBottom->x(), 2), barHeight);
    }
}

void RangeTool::clampValues()
{
    m_upperValue = clampInto(m_upperValue, m_min, m_max);
    m_lowerValue = clampInto(m_lowerValue, m_min, m_max);
}

void RangeTool::setMin(int value)
{
    m_min = qMax(value, 0);
    if (m_max < m_min)
        m_max = m_min;
    clampValues();
    UpdatePosition();
}

void RangeTool::setMax(int value)
{
    m_max = qMax(value, 0);
    if (m_min > m_max)
        m_min = m_max;
    clampValues();
    UpdatePosition();
}

void RangeTool::setUpperValue(int value)
{
    m_upperValue = clampInto(value, m_min, m_max);
    if (m_lowerValue > m_upperValue)
        m_lowerValue = m_upperValue;
    UpdatePosition();
}

void RangeTool::setLowerValue(int value)
{
    m_lowerValue = clampInto(value, m_min, m_max);
    if (m_upperValue < m_lowerValue)
        m_upperValue = m_lowerValue;
    UpdatePosition();
}

void RangeTool::setLowerLocked(bool locked)
{
    m_lowerLocked = locked;
    picBottom->setCursor(locked ? QCursor(Qt::ArrowCursor) : handCursor());
    picBottom->update();
}

void RangeTool::setUpperLocked(bool locked)
{
    m_upperLocked = locked;
    picTop->setCursor(locked ? QCursor(Qt::ArrowCursor) : handCursor());
    picTop->update();
}

void RangeTool::setLowerVisible(bool visible)
{
    picBottom->setVisible(visible);
    m_lowerVisible = visible;
}

void RangeTool::setUpperVisible(bool visible)
{
    picTop->setVisible(visible);
    m_upperVisible = visible;
}

void RangeTool::updateCursors()
{
    picTop->setCursor(m_upperLocked ? QCursor(Qt::ArrowCursor) : handCursor());
    picBottom->setCursor(m_lowerLocked ? QCursor(Qt::ArrowCursor) : handCursor());
}

RangeTool::Look RangeTool::lookOf(const RangeThumb *thumb) const
{
    const bool lower = thumb == picBottom;
    if ((lower ? m_lowerLocked : m_upperLocked) || !isEnabled())
        return Look::Flat;
    if (lower ? m_lowerDragging : m_upperDragging)
        return Look::Pressed;
    return Look::Raised;
}

void RangeTool::pressThumb(RangeThumb *thumb, const QPointF &pos)
{
    if (thumb == picBottom) {
        if (m_lowerLocked)
            return;
        m_lowerDragging = true;
        m_savedOther = m_upperValue;
    } else {
        if (m_upperLocked)
            return;
        m_upperDragging = true;
        m_savedOther = m_lowerValue;
    }
    m_grabX = int(roundHalfEven(pos.x()));
    thumb->update();
}

void RangeTool::moveThumb(RangeThumb *thumb, const QPointF &pos)
{
    const bool lower = thumb == picBottom;
    if (!(lower ? m_lowerDragging : m_upperDragging))
        return;
    qint64 position = roundHalfEven(thumb->x() + pos.x() - m_grabX);
    if (position < 0)
        position = 0;
    if (position > m_trackWidth)
        position = m_trackWidth;
    if (lower)
        dragLower(int(position));
    else
        dragUpper(int(position));
}

// The lower thumb pushes the upper one ahead of it; within the same drag the upper one
// goes back to where it was when the lower one returns. A locked upper thumb is a wall.
void RangeTool::dragLower(int position)
{
    int value = int(roundHalfEven(double(m_valuePerPixel) * position + m_min));
    if (m_upperLocked)
        value = qMin(value, m_savedOther);
    m_lowerValue = value;
    m_upperValue = qMax(value, m_savedOther);
    UpdatePosition();
    Q_EMIT Scroll();
}

void RangeTool::dragUpper(int position)
{
    int value = int(roundHalfEven(double(m_valuePerPixel) * position + m_min));
    if (m_lowerLocked)
        value = qMax(value, m_savedOther);
    m_upperValue = value;
    m_lowerValue = qMin(value, m_savedOther);
    UpdatePosition();
    Q_EMIT Scroll();
}

void RangeTool::releaseThumb(RangeThumb *thumb)
{
    const bool lower = thumb == picBottom;
    (lower ? m_lowerDragging : m_upperDragging) = false;
    UpdatePosition();
    thumb->update();
    Q_EMIT Change();
}

void RangeTool::resizeEvent(QResizeEvent *)
{
    if (height() < MinimumSide)
        resize(width(), MinimumSide);
    if (width() < MinimumSide)
        resize(MinimumSide, height());
    UpdatePosition();
}

void RangeTool::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        picTop->update();
        picBottom->update();
        update();
    } else if (event->type() == QEvent::PaletteChange) {
        updateBarColour();
    }
    QWidget::changeEvent(event);
}

void RangeTool::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), containerColor());
    const QRect frame(QPoint(4, picTop->height()),
                      QPoint(width() - 4 - 1, height() - picBottom->height() - 1));
    if (!isEnabled()) {
        ClassicLook::drawEdge(p, frame, ClassicLook::Ring::Sunken, ClassicLook::Ring::Raised,
                              palette());
        return;
    }
    switch (m_borderStyle) {
    case 1:
        p.fillRect(frame, palette().color(QPalette::Button));
        ClassicLook::drawEdge(p, frame, ClassicLook::Ring::Raised, ClassicLook::Ring::Raised,
                              palette());
        break;
    case 2:
        p.fillRect(frame, palette().color(QPalette::Button));
        ClassicLook::drawEdge(p, frame, ClassicLook::Ring::Sunken, ClassicLook::Ring::Sunken,
                              palette());
        break;
    case 3:
        ClassicLook::drawEdge(p, frame, ClassicLook::Ring::Raised, ClassicLook::Ring::Sunken,
                              palette());
        break;
    case 4:
        ClassicLook::drawEdge(p, frame, ClassicLook::Ring::Sunken, ClassicLook::Ring::Raised,
                              palette());
        break;
    default:
        break;
    }
}

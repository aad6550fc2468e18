#include "preview/rangetool.h"

#include "common/rounding.h"
#include "preview/rangethumb.h"

#include <QPainter>
#include <QPainterPath>
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

// A system colour code 0x800000NN names the desktop's colour NN; here the palette
// stands for the desktop.
QPalette::ColorRole systemColourRole(quint32 index)
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

enum class Ring { Raised, Sunken };

void drawEdge(QPainter &p, const QRect &r, Ring outer, Ring inner, const QPalette &pal)
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
    static const QPixmap pixmap = handPixmap();
    return QCursor(pixmap, 5, 0);
}

void RangeTool::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
    Q_EMIT propertyChanged(QStringLiteral("BorderStyle"));
}

void RangeTool::setColor(quint32 color)
{
    m_color = color;
    updateBarColour();
    Q_EMIT propertyChanged(QStringLiteral("Color"));
}

QColor RangeTool::fillColor() const
{
    if (m_color & 0x80000000u)
        return palette().color(QPalette::Active, systemColourRole(m_color & 0xffu));
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
    Q_EMIT propertyChanged(QStringLiteral("Min"));
}

void RangeTool::setMax(int value)
{
    m_max = qMax(value, 0);
    if (m_min > m_max)
        m_min = m_max;
    clampValues();
    UpdatePosition();
    Q_EMIT propertyChanged(QStringLiteral("Max"));
}

void RangeTool::setUpperValue(int value)
{
    m_upperValue = clampInto(value, m_min, m_max);
    if (m_lowerValue > m_upperValue)
        m_lowerValue = m_upperValue;
    UpdatePosition();
    Q_EMIT propertyChanged(QStringLiteral("UpperValue"));
}

void RangeTool::setLowerValue(int value)
{
    m_lowerValue = clampInto(value, m_min, m_max);
    if (m_upperValue < m_lowerValue)
        m_upperValue = m_lowerValue;
    UpdatePosition();
    Q_EMIT propertyChanged(QStringLiteral("LowerValue"));
}

void RangeTool::setLowerLocked(bool locked)
{
    m_lowerLocked = locked;
    Q_EMIT propertyChanged(QStringLiteral("LowerLocked"));
    picBottom->setCursor(locked ? QCursor(Qt::ArrowCursor) : handCursor());
    picBottom->update();
}

void RangeTool::setUpperLocked(bool locked)
{
    m_upperLocked = locked;
    Q_EMIT propertyChanged(QStringLiteral("UpperLocked"));
    picTop->setCursor(locked ? QCursor(Qt::ArrowCursor) : handCursor());
    picTop->update();
}

void RangeTool::setLowerVisible(bool visible)
{
    picBottom->setVisible(visible);
    m_lowerVisible = visible;
    Q_EMIT propertyChanged(QStringLiteral("LowerVisible"));
}

void RangeTool::setUpperVisible(bool visible)
{
    picTop->setVisible(visible);
    m_upperVisible = visible;
    Q_EMIT propertyChanged(QStringLiteral("UpperVisible"));
}

void RangeTool::updateCursors()
{
    picTop->setCursor(m_upperLocked ? QCursor(Qt::ArrowCursor) : handCursor());
    picBottom->setCursor(m_lowerLocked ? QCursor(Qt::ArrowCursor) : handCursor());
}

QList<RangeTool::Entry> RangeTool::persistedEntries() const
{
    return {{QStringLiteral("Min"), m_min, 0},
            {QStringLiteral("Max"), m_max, 100},
            {QStringLiteral("LowerValue"), m_lowerValue, 25},
            {QStringLiteral("UpperValue"), m_upperValue, 75},
            {QStringLiteral("Color"), m_color, ActiveCaptionColor},
            {QStringLiteral("LowerVisible"), m_lowerVisible, true},
            {QStringLiteral("UpperVisible"), m_upperVisible, true},
            {QStringLiteral("LowerLocked"), m_lowerLocked, false},
            {QStringLiteral("UpperLocked"), m_upperLocked, false},
            {QStringLiteral("BorderStyle"), m_borderStyle, 4}};
}

QVariantMap RangeTool::saveProperties() const
{
    QVariantMap bag;
    for (const Entry &entry : persistedEntries()) {
        if (entry.value != entry.defaultValue)
            bag.insert(entry.name, entry.value);
    }
    return bag;
}

void RangeTool::loadProperties(const QVariantMap &bag)
{
    const auto read = [&bag](const char *name, const QVariant &fallback) {
        return bag.value(QLatin1String(name), fallback);
    };
    m_min = read("Min", 0).toInt();
    m_max = read("Max", 100).toInt();
    m_lowerValue = read("LowerValue", 25).toInt();
    m_upperValue = read("UpperValue", 75).toInt();
    m_color = read("Color", ActiveCaptionColor).toUInt();
    m_lowerVisible = read("LowerVisible", true).toBool();
    m_upperVisible = read("UpperVisible", true).toBool();
    m_lowerLocked = read("LowerLocked", false).toBool();
    m_upperLocked = read("UpperLocked", false).toBool();
    m_borderStyle = read("BorderStyle", 4).toInt();
    picBottom->setVisible(m_lowerVisible);
    picTop->setVisible(m_upperVisible);
    updateCursors();
    updateBarColour();
    UpdatePosition();
    update();
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
    Q_EMIT propertyChanged(QStringLiteral("LowerValue"));
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
    Q_EMIT propertyChanged(QStringLiteral("UpperValue"));
}

void RangeTool::releaseThumb(RangeThumb *thumb)
{
    const bool lower = thumb == picBottom;
    (lower ? m_lowerDragging : m_upperDragging) = false;
    UpdatePosition();
    thumb->update();
    Q_EMIT Change();
    Q_EMIT propertyChanged(lower ? QStringLiteral("LowerValue") : QStringLiteral("UpperValue"));
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
        Q_EMIT propertyChanged(QStringLiteral("Enabled"));
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
        drawEdge(p, frame, Ring::Sunken, Ring::Raised, palette());
        return;
    }
    switch (m_borderStyle) {
    case 1:
        p.fillRect(frame, palette().color(QPalette::Button));
        drawEdge(p, frame, Ring::Raised, Ring::Raised, palette());
        break;
    case 2:
        p.fillRect(frame, palette().color(QPalette::Button));
        drawEdge(p, frame, Ring::Sunken, Ring::Sunken, palette());
        break;
    case 3:
        drawEdge(p, frame, Ring::Raised, Ring::Sunken, palette());
        break;
    case 4:
        drawEdge(p, frame, Ring::Sunken, Ring::Raised, palette());
        break;
    default:
        break;
    }
}

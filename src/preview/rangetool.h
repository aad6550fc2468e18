// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

class RangeThumb;

// A two-thumb range slider over a whole-number scale: the lower thumb sits under the
// track pointing up, the upper one above it pointing down, and a coloured bar joins them.
// Values are kept as Min <= LowerValue <= UpperValue <= Max; all positions are pixels of
// the control's own client area.
class RangeTool : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(quint32 Color READ Color WRITE setColor)
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(bool LowerLocked READ LowerLocked WRITE setLowerLocked)
    Q_PROPERTY(bool LowerVisible READ LowerVisible WRITE setLowerVisible)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(bool UpperLocked READ UpperLocked WRITE setUpperLocked)
    Q_PROPERTY(bool UpperVisible READ UpperVisible WRITE setUpperVisible)
    Q_PROPERTY(int UpperValue READ UpperValue WRITE setUpperValue)
    Q_PROPERTY(int LowerValue READ LowerValue WRITE setLowerValue)

public:
    // Colours are 0x00BBGGRR; 0x800000NN names system colour NN (2: active caption).
    static constexpr quint32 ActiveCaptionColor = 0x80000002u;
    static constexpr int ThumbSize = 15;
    static constexpr int MinimumSide = 40;

    explicit RangeTool(QWidget *parent = nullptr);

    // 0 none, 1 raised, 2 sunken, 3 bump, 4 etched: how the track frame is drawn.
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    quint32 Color() const { return m_color; }
    void setColor(quint32 color);
    // The bar's colour with system colour codes resolved through the palette.
    QColor fillColor() const;
    // The background of the widget the control sits on, which the control takes as its own.
    QColor containerColor() const;

    // Places both thumbs and the bar from the current values; each step that cannot be
    // computed (no span, no track) is skipped and the next one runs.
    void UpdatePosition();

    int Min() const { return m_min; }
    void setMin(int value);
    int Max() const { return m_max; }
    void setMax(int value);
    int LowerValue() const { return m_lowerValue; }
    void setLowerValue(int value);
    int UpperValue() const { return m_upperValue; }
    void setUpperValue(int value);
    bool LowerLocked() const { return m_lowerLocked; }
    void setLowerLocked(bool locked);
    bool UpperLocked() const { return m_upperLocked; }
    void setUpperLocked(bool locked);
    bool LowerVisible() const { return m_lowerVisible; }
    void setLowerVisible(bool visible);
    bool UpperVisible() const { return m_upperVisible; }
    void setUpperVisible(bool visible);

    // The pointing hand shown over an unlocked thumb: 32 by 32, hot spot at (5, 0).
    static QCursor handCursor();

    QSize sizeHint() const override { return {240, 45}; }

Q_SIGNALS:
    // A pressed thumb was released (also when it did not move or is locked).
    void Change();
    // A dragged thumb moved; the values are already updated.
    void Scroll();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class RangeThumb;
    enum class Look { Raised, Pressed, Flat };

    Look lookOf(const RangeThumb *thumb) const;
    void pressThumb(RangeThumb *thumb, const QPointF &pos);
    void moveThumb(RangeThumb *thumb, const QPointF &pos);
    void releaseThumb(RangeThumb *thumb);
    void dragLower(int position);
    void dragUpper(int position);
    void clampValues();
    void updateCursors();
    void updateBarColour();

    RangeThumb *picTop;    // the upper thumb (UpperValue)
    RangeThumb *picBottom; // the lower thumb (LowerValue)
    QWidget *shpFill;      // the selected-range bar

    int m_min = 0;
    int m_max = 100;
    int m_lowerValue = 25;
    int m_upperValue = 75;
    bool m_lowerLocked = false;
    bool m_upperLocked = false;
    bool m_lowerVisible = true;
    bool m_upperVisible = true;
    int m_borderStyle = 4;
    quint32 m_color = ActiveCaptionColor;

    int m_trackWidth = 0;
    int m_span = 100;
    float m_valuePerPixel = 0.0f;
    bool m_lowerDragging = false;
    bool m_upperDragging = false;
    int m_grabX = 0;
    int m_savedOther = 0;
};

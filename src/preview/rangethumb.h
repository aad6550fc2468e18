// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class RangeTool;

// One thumb of a RangeTool: a 15 by 15 triangle of its own, so it gets its own mouse
// events; it hands them to its RangeTool, which does the dragging.
class RangeThumb : public QWidget
{
    Q_OBJECT

public:
    enum class Role { Upper, Lower };

    RangeThumb(Role role, RangeTool *tool);
    Role role() const { return m_role; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintTriangle(QPainter &painter);
    void paintOutline(QPainter &painter);

    Role m_role;
    RangeTool *m_tool;
};

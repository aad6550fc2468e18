// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/rangetool.h"
#include "thumbdrag.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
QWidget *thumb(RangeTool &tool, const char *name)
{
    return tool.findChild<QWidget *>(QLatin1String(name));
}

// 117 pixels wide: a track of 100 pixels, one per value of the default scale.
struct Tool : RangeTool
{
    Tool()
    {
        resize(117, 50);
        show();
    }
};
} // namespace

TEST(RangeTool, NewInstanceHasTheDefaults)
{
    Tool tool;
    EXPECT_EQ(tool.Min(), 0);
    EXPECT_EQ(tool.Max(), 100);
    EXPECT_EQ(tool.LowerValue(), 25);
    EXPECT_EQ(tool.UpperValue(), 75);
    EXPECT_EQ(tool.BorderStyle(), 4);
    EXPECT_EQ(tool.Color(), 0x80000002u);
    EXPECT_EQ(tool.fillColor(), tool.palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_TRUE(tool.LowerVisible() && tool.UpperVisible());
    EXPECT_FALSE(tool.LowerLocked() || tool.UpperLocked());
    EXPECT_EQ(thumb(tool, "picTop")->size(), QSize(15, 15));
    EXPECT_EQ(thumb(tool, "picBottom")->size(), QSize(15, 15));
    EXPECT_EQ(thumb(tool, "picTop")->pos(), QPoint(75, 0));
    EXPECT_EQ(thumb(tool, "picBottom")->pos(), QPoint(25, 35));
    EXPECT_EQ(thumb(tool, "shpFill")->geometry(), QRect(32, 19, 50, 13));
    tool.setColor(0x000000ff);
    EXPECT_EQ(tool.fillColor(), QColor(Qt::red));
}

TEST(RangeTool, SettersKeepTheValuesInOrder)
{
    Tool tool;
    tool.setMin(-5);
    EXPECT_EQ(tool.Min(), 0);
    tool.setMax(10);
    EXPECT_EQ(tool.LowerValue(), 10);
    EXPECT_EQ(tool.UpperValue(), 10);
    tool.setMax(100);
    tool.setMin(150);
    EXPECT_EQ(tool.Max(), 150);
    EXPECT_EQ(tool.LowerValue(), 150);
    EXPECT_EQ(tool.UpperValue(), 150);
    tool.setMax(-1);
    EXPECT_EQ(tool.Max(), 0);
    EXPECT_EQ(tool.Min(), 0);

    tool.setMax(100);
    tool.setUpperValue(40);
    tool.setLowerValue(60);
    EXPECT_EQ(tool.UpperValue(), 60);
    tool.setUpperValue(20);
    EXPECT_EQ(tool.LowerValue(), 20);
    tool.setUpperValue(500);
    EXPECT_EQ(tool.UpperValue(), 100);
    tool.setLowerValue(-7);
    EXPECT_EQ(tool.LowerValue(), 0);
    EXPECT_EQ(tool.UpperValue(), 100);
}

TEST(RangeTool, DraggingFollowsThePixelsAndStopsAtTheEnds)
{
    Tool tool;
    QSignalSpy scroll(&tool, &RangeTool::Scroll);
    QSignalSpy change(&tool, &RangeTool::Change);
    QWidget *lower = thumb(tool, "picBottom");
    dragThumb(lower, {37});
    EXPECT_EQ(tool.LowerValue(), 37);
    EXPECT_EQ(lower->x(), 37);
    EXPECT_EQ(scroll.count(), 1);
    EXPECT_EQ(change.count(), 1);

    dragThumb(lower, {-40});
    EXPECT_EQ(tool.LowerValue(), 0);
    dragThumb(thumb(tool, "picTop"), {260});
    EXPECT_EQ(tool.UpperValue(), 100);
    EXPECT_EQ(thumb(tool, "picTop")->x(), 100);
}

TEST(RangeTool, ThumbPushesTheOtherAndGivesItBackInTheSameDrag)
{
    Tool tool;
    QWidget *lower = thumb(tool, "picBottom");
    sendMouse(lower, QEvent::MouseButtonPress, 7);
    moveThumbTo(lower, 90);
    EXPECT_EQ(tool.LowerValue(), 90);
    EXPECT_EQ(tool.UpperValue(), 90);
    moveThumbTo(lower, 50);
    EXPECT_EQ(tool.LowerValue(), 50);
    EXPECT_EQ(tool.UpperValue(), 75);
    sendMouse(lower, QEvent::MouseButtonRelease, 7);

    dragThumb(thumb(tool, "picTop"), {10, 60});
    EXPECT_EQ(tool.UpperValue(), 60);
    EXPECT_EQ(tool.LowerValue(), 50);
    dragThumb(thumb(tool, "picTop"), {10});
    EXPECT_EQ(tool.LowerValue(), 10);
}

TEST(RangeTool, LockedThumbIsAWallAndCannotBeDragged)
{
    Tool tool;
    tool.setUpperLocked(true);
    dragThumb(thumb(tool, "picBottom"), {95});
    EXPECT_EQ(tool.LowerValue(), 75);
    EXPECT_EQ(tool.UpperValue(), 75);

    tool.setUpperLocked(false);
    tool.setLowerValue(25);
    tool.setLowerLocked(true);
    dragThumb(thumb(tool, "picTop"), {5});
    EXPECT_EQ(tool.UpperValue(), 25);
    EXPECT_EQ(tool.LowerValue(), 25);

    QSignalSpy scroll(&tool, &RangeTool::Scroll);
    QSignalSpy change(&tool, &RangeTool::Change);
    dragThumb(thumb(tool, "picBottom"), {60});
    EXPECT_EQ(tool.LowerValue(), 25);
    EXPECT_EQ(scroll.count(), 0);
    EXPECT_EQ(change.count(), 1);
}

TEST(RangeTool, CursorIsTheHandUnlessLocked)
{
    Tool tool;
    const QCursor hand = thumb(tool, "picTop")->cursor();
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(5, 0));
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    tool.setLowerLocked(true);
    EXPECT_EQ(thumb(tool, "picBottom")->cursor().shape(), Qt::ArrowCursor);
    tool.setLowerLocked(false);
    EXPECT_EQ(thumb(tool, "picBottom")->cursor().shape(), Qt::BitmapCursor);
}

TEST(RangeTool, BarIsNeverNarrowerThanTwoPixels)
{
    Tool tool;
    tool.setUpperValue(51);
    tool.setLowerValue(50);
    EXPECT_EQ(thumb(tool, "picTop")->x() - thumb(tool, "picBottom")->x(), 1);
    EXPECT_EQ(thumb(tool, "shpFill")->geometry(), QRect(57, 19, 2, 13));
    tool.setLowerValue(51);
    EXPECT_EQ(thumb(tool, "shpFill")->width(), 2);
}

TEST(RangeTool, EmptyScaleLeavesThumbsAndDragsToMin)
{
    Tool tool;
    tool.setMin(50);
    tool.setMax(50);
    const QPoint upperBefore = thumb(tool, "picTop")->pos();
    tool.UpdatePosition();
    EXPECT_EQ(thumb(tool, "picTop")->pos(), upperBefore);
    dragThumb(thumb(tool, "picTop"), {90});
    EXPECT_EQ(tool.UpperValue(), 50);
    EXPECT_EQ(tool.LowerValue(), 50);
}

TEST(RangeTool, SmallControlGrowsToFortyByForty)
{
    Tool tool;
    tool.resize(30, 20);
    EXPECT_EQ(tool.size(), QSize(40, 40));
    EXPECT_EQ(thumb(tool, "picBottom")->y(), 25);
}

TEST(RangeTool, ThumbsFollowTheScaleAndHideWhenTold)
{
    Tool tool;
    tool.setMax(600);
    tool.setMin(10);
    tool.setUpperValue(300);
    EXPECT_EQ(thumb(tool, "picTop")->x(), int(290.0 / 590 * 100 + 0.5));
    tool.setLowerVisible(false);
    EXPECT_FALSE(thumb(tool, "picBottom")->isVisible());
    tool.setLowerVisible(true);
    EXPECT_TRUE(thumb(tool, "picBottom")->isVisible());
}

TEST(RangeTool, ADisabledControlTakesNoDrag)
{
    Tool tool;
    tool.setEnabled(false);
    dragThumb(thumb(tool, "picBottom"), {40});
    EXPECT_EQ(tool.LowerValue(), 25);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/programfolder.h"
#include "media/conversionlist.h"
#include "media/conversionlistview.h"
#include "media/queuecontroller.h"

#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

// A row dragged with the X server's own pointer, as a user drags it: the drag runs through
// the window system, which no synthetic event reaches.
TEST(RowDrag, ARowDraggedWithinTheListMovesThere)
{
    ProgramFolder folder;
    ConversionList list;
    QueueController queue(&list, nullptr);
    ConversionListView view;
    view.setQueue(&queue);
    view.resize(700, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    for (const char *name : {"/v/a.avi", "/v/b.avi", "/v/c.avi", "/v/d.avi"})
        list.addItem(name);
    QTest::qWait(200);
    const auto at = [&](int row) {
        return view.viewport()->mapToGlobal(view.visualRect(list.index(row, 0)).center());
    };
    const QPoint from = at(0), to = at(2);
    QStringList steps = {"mousemove", QString::number(from.x()), QString::number(from.y()),
                         "mousedown", "1"};
    for (int y = from.y(); y <= to.y(); y += 4)
        steps << "mousemove" << QString::number(to.x()) << QString::number(y) << "sleep"
              << "0.02";
    steps << "sleep"
          << "0.3"
          << "mouseup"
          << "1";
    QProcess pointer;
    pointer.start("xdotool", steps);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pointer.state() == QProcess::NotRunning; }, 20000));
    QTest::qWait(300);
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names << list.text(row, ConversionList::FileName);
    EXPECT_EQ(names, QStringList({"/v/b.avi", "/v/c.avi", "/v/a.avi", "/v/d.avi"}));
    EXPECT_EQ(queue.selectedRow(), 2);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/conversionpanel.h"
#include "runfixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
void mouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
} // namespace

TEST_F(RunFixture, PanelShowsTheRunAndHidesAfterIt)
{
    QWidget window;
    window.resize(900, 700);
    ConversionPanel panel(m_run.get(), &window);
    window.show();
    EXPECT_FALSE(panel.isVisible());
    auto *total = panel.findChild<QProgressBar *>("prgTotalProgress");
    auto *track = panel.findChild<QProgressBar *>("prgTrackProgress");
    auto *frame = panel.findChild<QGroupBox *>("Frame14");
    ASSERT_TRUE(total && track && frame);
    EXPECT_EQ(panel.findChild<QLabel *>("SkinLabel2")->text(), "00:00:00");
    EXPECT_EQ(frame->title(), "Progress....");
    EXPECT_EQ(total->maximum(), 100);
    EXPECT_EQ(track->maximum(), 100);

    const QString first = clip("one.avi");
    addRow(first);
    addRow(clip("two.avi"));
    QList<int> totals;
    QList<bool> shownAtRowStart;
    QObject::connect(total, &QProgressBar::valueChanged, [&](int v) { totals << v; });
    QObject::connect(m_run.get(), &ConversionRun::rowStarted, [&](int row) {
        shownAtRowStart << panel.isVisible();
        if (row == 0) {
            EXPECT_EQ(frame->title(), "Progress...." + first + " To " + output("one.mp4"));
        }
    });
    ASSERT_TRUE(convert());
    EXPECT_EQ(shownAtRowStart, QList<bool>({true, true}));
    EXPECT_EQ(totals, QList<int>({50, 100, 0}));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(track->value(), 0);
}

TEST_F(RunFixture, PanelShowsTheSpeedAndTheTimeLeftOfTheRowAndTheQueue)
{
    // Converted no faster than they play: a speed near 1x and a few seconds left.
    useFakeEncoder();
    QWidget window;
    window.resize(900, 700);
    ConversionPanel panel(m_run.get(), &window);
    window.show();
    auto *speed = panel.findChild<QLabel *>("lblSpeed");
    auto *left = panel.findChild<QLabel *>("lblTimeLeft");
    ASSERT_TRUE(speed && left);
    addRow(clip("realtime one.avi", 4), 4);
    addRow(clip("realtime two.avi", 3), 3);

    QStringList atStart;
    QStringList midway;
    QObject::connect(m_run.get(), &ConversionRun::rowStarted, [&](int row) {
        if (row != 0)
            return;
        atStart = QStringList({speed->text(), left->text()});
        QTimer::singleShot(2500, [&] { midway = QStringList({speed->text(), left->text()}); });
    });
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"OK", "OK"}));
    EXPECT_EQ(atStart, QStringList({"Speed: estimating...", "Time left: estimating..."}));

    ASSERT_EQ(midway.size(), 2);
    const QRegularExpression speedText("^Speed: (\\d+\\.\\d+)x$");
    const QRegularExpressionMatch s = speedText.match(midway[0]);
    ASSERT_TRUE(s.hasMatch()) << midway[0].toStdString();
    EXPECT_GT(s.captured(1).toDouble(), 0.4);
    EXPECT_LT(s.captured(1).toDouble(), 1.6);
    // About 2 s of the first row are left, then the 3 s of the second.
    const QRegularExpression leftText("^Time left: 0:00:0(\\d) / queue 0:00:(\\d\\d)$");
    const QRegularExpressionMatch l = leftText.match(midway[1]);
    ASSERT_TRUE(l.hasMatch()) << midway[1].toStdString();
    EXPECT_GE(l.captured(1).toInt(), 1);
    EXPECT_LE(l.captured(1).toInt(), 5);
    EXPECT_GE(l.captured(2).toInt(), l.captured(1).toInt() + 2);
    EXPECT_LE(l.captured(2).toInt(), 14);
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(RunFixture, PanelCancelButtonCancelsTheRun)
{
    useFakeEncoder();
    QWidget window;
    ConversionPanel panel(m_run.get(), &window);
    window.show();
    addRow(clip("slow.avi"));
    QSignalSpy ended(m_run.get(), &ConversionRun::finished);
    m_run->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_run->currentRow() == 0 && panel.isVisible(); }));
    QTest::qWait(300);
    QTest::mouseClick(panel.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    ASSERT_TRUE(ended.count() == 1 || ended.wait(5000));
    EXPECT_EQ(statuses(), QStringList({"Cancel"}));
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(RunFixture, PanelIsDraggedWithTheLeftButtonWithinItsWindow)
{
    QWidget window;
    window.resize(800, 600);
    ConversionPanel panel(m_run.get(), &window);
    window.show();
    panel.show();
    panel.move(100, 100);

    mouse(&panel, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    mouse(&panel, QEvent::MouseMove, {60, 40}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(panel.pos(), QPoint(150, 130));
    EXPECT_EQ(panel.size(), QSize(520, 230));
    // Never beyond the window's edges.
    mouse(&panel, QEvent::MouseMove, {2000, -500}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(panel.pos(), QPoint(800 - 520, 0));
    mouse(&panel, QEvent::MouseButtonRelease, {0, 0}, Qt::LeftButton, Qt::NoButton);
    const QPoint dropped = panel.pos();
    mouse(&panel, QEvent::MouseMove, {30, 30}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(panel.pos(), dropped);

    // Other buttons do not drag; a press on a label inside the panel does.
    mouse(&panel, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton);
    mouse(&panel, QEvent::MouseMove, {60, 60}, Qt::NoButton, Qt::RightButton);
    mouse(&panel, QEvent::MouseButtonRelease, {60, 60}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(panel.pos(), dropped);
    panel.move(0, 0);
    auto *label = panel.findChild<QLabel *>("SkinLabel2");
    mouse(label, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
    mouse(label, QEvent::MouseMove, {21, 11}, Qt::NoButton, Qt::LeftButton);
    mouse(label, QEvent::MouseButtonRelease, {21, 11}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(panel.pos(), QPoint(20, 10));
}

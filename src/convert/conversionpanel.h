// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QPoint>

class ConversionRun;
class RunTimeLeft;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

// Picture4: the conversion progress panel, a view of a conversion run. Hidden until a
// run starts and again when it ends; the user can drag it with the left button within
// the window it lies on.
class ConversionPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ConversionPanel(ConversionRun *run, QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void build();
    void connectRun(ConversionRun *run);
    void showBusy(bool busy);
    void showTimeLeft(const QString &speed, const QString &timeLeft);

    QLabel *SkinLabel2; // the row's elapsed time
    QLabel *lblSpeed;
    QLabel *lblTimeLeft; // the row's and the queue's
    QGroupBox *Frame14;  // caption: what converts to what
    QProgressBar *prgTotalProgress;
    QProgressBar *prgTrackProgress;
    QPushButton *Command1; // Cancel
    bool m_dragging = false;
    QPoint m_grab; // pointer position (global) minus panel position when the drag began
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/conversionpanel.h"

#include "common/timetext.h"
#include "convert/conversionrun.h"
#include "convert/runtimeleft.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString Frame14Caption = QStringLiteral("Progress....");

QProgressBar *bar(const QString &name, QGroupBox *group)
{
    auto *progress = new QProgressBar(group);
    progress->setObjectName(name);
    progress->setRange(0, 100);
    progress->setValue(0);
    (new QVBoxLayout(group))->addWidget(progress);
    return progress;
}
} // namespace

ConversionPanel::ConversionPanel(ConversionRun *run, QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Picture4"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    build();
    connectRun(run);
    resize(520, 230);
    hide();
}

void ConversionPanel::build()
{
    auto *elapsedCaption = new QLabel(QStringLiteral("Current video Time:"), this);
    SkinLabel2 = new QLabel(QStringLiteral("00:00:00"), this);
    SkinLabel2->setObjectName(QStringLiteral("SkinLabel2"));
    Frame14 = new QGroupBox(Frame14Caption, this);
    Frame14->setObjectName(QStringLiteral("Frame14"));
    auto *totalGroup = new QGroupBox(QStringLiteral("Total Conversion"), Frame14);
    prgTotalProgress = bar(QStringLiteral("prgTotalProgress"), totalGroup);
    auto *trackGroup = new QGroupBox(QStringLiteral("Currently Conversion"), Frame14);
    prgTrackProgress = bar(QStringLiteral("prgTrackProgress"), trackGroup);
    auto *bars = new QVBoxLayout(Frame14);
    bars->addWidget(totalGroup);
    bars->addWidget(trackGroup);
    Command1 = new QPushButton(QStringLiteral("Cancel"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    lblSpeed = new QLabel(this);
    lblSpeed->setObjectName(QStringLiteral("lblSpeed"));
    lblTimeLeft = new QLabel(this);
    lblTimeLeft->setObjectName(QStringLiteral("lblTimeLeft"));
    showTimeLeft(QStringLiteral("estimating..."), QStringLiteral("estimating..."));

    auto *top = new QHBoxLayout;
    top->addWidget(elapsedCaption);
    top->addWidget(SkinLabel2);
    top->addStretch();
    top->addWidget(lblSpeed);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblTimeLeft, 1);
    bottom->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Frame14);
    layout->addLayout(bottom);
}

void ConversionPanel::connectRun(ConversionRun *run)
{
    connect(Command1, &QPushButton::clicked, run, &ConversionRun::cancel);
    connect(run, &ConversionRun::started, this, [this] {
        show();
        raise();
    });
    connect(run, &ConversionRun::busyChanged, this, &ConversionPanel::showBusy);
    connect(run, &ConversionRun::rowStarted, this,
            [this](int, const QString &input, const QString &output) {
                const QString caption = Frame14Caption + input + QStringLiteral(" To ") + output;
                Frame14->setTitle(caption);
                Frame14->setToolTip(caption); // a long caption is cut in the frame
            });
    connect(run, &ConversionRun::elapsedChanged, this,
            [this](int seconds) { SkinLabel2->setText(TimeText::paddedClock(seconds)); });
    connect(run, &ConversionRun::trackProgressChanged, prgTrackProgress, &QProgressBar::setValue);
    connect(run, &ConversionRun::totalProgressChanged, prgTotalProgress, &QProgressBar::setValue);
    connect(run, &ConversionRun::finished, this, &QWidget::hide);
    connect(new RunTimeLeft(run, this), &RunTimeLeft::changed, this,
            &ConversionPanel::showTimeLeft);
}

void ConversionPanel::showTimeLeft(const QString &speed, const QString &timeLeft)
{
    lblSpeed->setText(QStringLiteral("Speed: ") + speed);
    lblTimeLeft->setText(QStringLiteral("Time left: ") + timeLeft);
}

void ConversionPanel::showBusy(bool busy)
{
    // The hourglass is the window's, not only the panel's.
    QWidget *target = window();
    if (busy)
        target->setCursor(Qt::WaitCursor);
    else
        target->unsetCursor();
}

void ConversionPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !parentWidget()) {
        QFrame::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_grab = event->globalPosition().toPoint() - pos();
    event->accept();
}

void ConversionPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QFrame::mouseMoveEvent(event);
        return;
    }
    const QPoint wanted = event->globalPosition().toPoint() - m_grab;
    const QSize room = parentWidget()->size() - size();
    move(qBound(0, wanted.x(), qMax(0, room.width())),
         qBound(0, wanted.y(), qMax(0, room.height())));
    event->accept();
}

void ConversionPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    event->accept();
}

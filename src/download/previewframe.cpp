// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/previewframe.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

PreviewFrame::PreviewFrame(QWidget *parent)
    : QGroupBox(QStringLiteral("YouTube Preview"), parent), SWF(new QWidget(this)),
      Label6(new QLabel(QStringLiteral("X"), this))
{
    setObjectName(QStringLiteral("frmPR"));
    SWF->setObjectName(QStringLiteral("SWF"));
    // The player draws into this window by its X id, so it must be a window of its own.
    SWF->setAttribute(Qt::WA_NativeWindow);
    SWF->setAttribute(Qt::WA_DontCreateNativeAncestors);
    SWF->setAutoFillBackground(true);
    QPalette black = SWF->palette();
    black.setColor(QPalette::Window, Qt::black);
    SWF->setPalette(black);

    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setCursor(Qt::PointingHandCursor);
    Label6->setToolTip(QStringLiteral("Hide the preview"));
    QFont bold = Label6->font();
    bold.setBold(true);
    Label6->setFont(bold);
    Label6->installEventFilter(this);

    auto *hint = new QLabel(QStringLiteral("Click and wait for video to Load..."), this);
    hint->setObjectName(QStringLiteral("lblHint"));
    auto *top = new QHBoxLayout;
    top->addWidget(hint, 1);
    top->addWidget(Label6);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(SWF, 1);
    setAutoFillBackground(true);
}

void PreviewFrame::paintEvent(QPaintEvent *event)
{
    // The skin leaves the strip above the frame's border unpainted; over the window's
    // other controls it must hide them.
    QPainter(this).fillRect(rect(), palette().color(QPalette::Window));
    QGroupBox::paintEvent(event);
}

bool PreviewFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label6 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        Q_EMIT hideRequested();
    return QGroupBox::eventFilter(watched, event);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/previewsurface.h"

#include "media/previewplayer.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPainter>

PreviewSurface::PreviewSurface(PreviewPlayer *player, QWidget *parent)
    : QWidget(parent), m_player(player)
{
    // The player draws into this window by its X id, so it must be a window of its own.
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_DontCreateNativeAncestors);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setMinimumSize(160, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (m_player)
        connect(m_player, &PreviewPlayer::stopped, this, &PreviewSurface::repaintWhenIdle);
    qApp->installEventFilter(this);
}

PreviewSurface::~PreviewSurface()
{
    qApp->removeEventFilter(this);
}

void PreviewSurface::playerStarted()
{
    m_playerId = m_player ? m_player->processId() : 0;
}

bool PreviewSurface::isDrawnOn() const
{
    return m_playerId != 0 && m_player && m_player->isPlaying() &&
           m_player->processId() == m_playerId;
}

void PreviewSurface::repaintWhenIdle()
{
    if (!isDrawnOn())
        update();
}

bool PreviewSurface::eventFilter(QObject *watched, QEvent *event)
{
    // A dialog or a message box that closes over the surface uncovers what the player
    // left there.
    if (event->type() == QEvent::Hide && watched->isWidgetType() && watched != window() &&
        static_cast<QWidget *>(watched)->isWindow())
        repaintWhenIdle();
    return QWidget::eventFilter(watched, event);
}

void PreviewSurface::paintEvent(QPaintEvent *)
{
    if (isDrawnOn())
        return; // the background stays black under the player's picture
    QPainter painter(this);
    const int side = qMin(width(), height()) / 3;
    if (side < 16)
        return;
    const QRect place((width() - side) / 2, (height() - side) / 2, side, side);
    painter.setOpacity(0.35);
    QIcon(QStringLiteral(":/pictures/klevar.png")).paint(&painter, place);
}

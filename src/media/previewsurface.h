// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class PreviewPlayer;

// The black window a preview player draws into by its X window id. When no player draws
// on it, it shows the program's own placeholder; the player leaves its last picture (and
// the X server black patches where a window was) behind, so the surface paints itself
// again whenever the player stops and whenever another window of the program closes.
class PreviewSurface : public QWidget
{
    Q_OBJECT

public:
    PreviewSurface(PreviewPlayer *player, QWidget *parent = nullptr);
    ~PreviewSurface() override;

    // A player has just been started to draw on this surface.
    void playerStarted();
    // Whether the player started last for this surface still runs.
    bool isDrawnOn() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void repaintWhenIdle();

    PreviewPlayer *m_player;
    qint64 m_playerId = 0;
};

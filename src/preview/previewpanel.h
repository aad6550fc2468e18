// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/playercommand.h"
#include "media/previewsurface.h"

#include <QWidget>

#include <optional>

class ConversionList;
class PreviewPlayer;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

// The preview: the player program draws into the black surface, the buttons steer it
// with keys, and the labels show a local one-second count of the position. The main
// window and the clip editor each have one, each with its own count; both steer the
// program's one player.
class PreviewPanel : public QWidget
{
    Q_OBJECT

public:
    // The two places differ in the blanks of the player's command and in what Play does.
    enum class Role { Main, Editor };

    PreviewPanel(Role role, PreviewPlayer *player, QWidget *parent = nullptr);

    Role role() const { return m_role; }
    // The native window the player draws into (Text2 or Text4).
    QWidget *surface() const { return m_surface; }
    // The one-second count (Timer1).
    QTimer *timer() const { return Timer1; }
    PreviewPlayer *player() const { return m_player; }

    // The file the panel plays and its length as a time text; the count starts over.
    void setFile(const QString &file, const QString &videoTime);
    QString file() const { return m_file; }
    // The position shown and the file's length, in whole seconds.
    qint32 elapsed() const { return m_elapsed; }
    qint32 total() const { return m_total; }

    // "Play" of the main window for a row of the queue; an empty list does nothing.
    void playRow(const ConversionList &list, int row);
    // "Play" of the editor: the file given, with its length.
    void playClip();
    void pause();
    void stop();
    void back();
    void forward();
    void firstFrame();
    void lastFrames();
    // The slider was let go: play from its position.
    void seek();
    // One second of the count.
    void tick();
    // The preview stops and its count with it (its window closes).
    void stopPreview();

Q_SIGNALS:
    // "Play" of the main window's panel was pressed; the host knows the selected row.
    void playRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startPlayer(std::optional<qint32> start, PlayerCommand::Blanks blanks);
    void startPlaying(const QString &videoTime);
    QPushButton *addButton(const char *name, const char *caption, void (PreviewPanel::*slot)());
    void buildLayout();

    Role m_role;
    PreviewPlayer *m_player;
    QString m_file;
    QString m_videoTime;
    qint32 m_elapsed = 0;      // PreviewElapsed
    qint32 m_total = 0;        // PreviewTotal
    PreviewSurface *m_surface; // Text2 in the main window, Text4 in the editor
    QSlider *m_slider;         // Slider1 in the main window, Slider3 in the editor
    QLabel *LblCurTime;
    QLabel *SkinLabel10; // "Total time:"
    QTimer *Timer1;
    QList<QPushButton *> m_buttons;
};

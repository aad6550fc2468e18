// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/previewpanel.h"

#include "common/processwindows.h"
#include "common/rounding.h"
#include "common/timetext.h"
#include "media/conversionlist.h"
#include "media/previewplayer.h"
#include "media/previewsurface.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

namespace {
qint32 secondsOf(const QString &timeText)
{
    return qint32(
        qMin<qint64>(TimeText::secondsOrZero(timeText), std::numeric_limits<qint32>::max()));
}
} // namespace

PreviewPanel::PreviewPanel(Role role, PreviewPlayer *player, QWidget *parent)
    : QWidget(parent), m_role(role), m_player(player), m_surface(new PreviewSurface(player, this)),
      m_slider(new QSlider(Qt::Horizontal, this)),
      LblCurTime(new QLabel(QStringLiteral("0:00:00"), this)),
      SkinLabel10(new QLabel(QStringLiteral("Total time: 0:00:00"), this)), Timer1(new QTimer(this))
{
    const bool main = role == Role::Main;
    m_surface->setObjectName(main ? QStringLiteral("Text2") : QStringLiteral("Text4"));

    m_slider->setObjectName(main ? QStringLiteral("Slider1") : QStringLiteral("Slider3"));
    m_slider->setRange(0, 100);
    m_slider->installEventFilter(this);
    LblCurTime->setObjectName(QStringLiteral("LblCurTime"));
    SkinLabel10->setObjectName(QStringLiteral("SkinLabel10"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &PreviewPanel::tick);

    if (main) {
        addButton("cmdPlay", "Play", nullptr);
        connect(m_buttons.last(), &QPushButton::clicked, this, &PreviewPanel::playRequested);
    } else {
        addButton("cmdPlay", "Play", &PreviewPanel::playClip);
    }
    addButton("cmdPause", "Pause", &PreviewPanel::pause);
    addButton("cmdStop", "Stop", &PreviewPanel::stop);
    addButton("cmdBack", "Back", &PreviewPanel::back);
    addButton("cmdForward", "Forward", &PreviewPanel::forward);
    addButton("Command4", "First Frame", &PreviewPanel::firstFrame);
    addButton("Command5", "Last Frames", &PreviewPanel::lastFrames);
    buildLayout();
}

QPushButton *PreviewPanel::addButton(const char *name, const char *caption,
                                     void (PreviewPanel::*slot)())
{
    auto *button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    // Inside a dialog, Enter belongs to the dialog's own default button.
    button->setAutoDefault(false);
    if (slot)
        connect(button, &QPushButton::clicked, this, slot);
    m_buttons.append(button);
    return button;
}

void PreviewPanel::buildLayout()
{
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (QPushButton *button : std::as_const(m_buttons))
        buttons->addWidget(button);
    buttons->addStretch();

    auto *times = new QHBoxLayout;
    times->addWidget(new QLabel(QStringLiteral("Current Time:"), this));
    times->addWidget(LblCurTime);
    times->addStretch();
    times->addWidget(SkinLabel10);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_surface, 1);
    layout->addWidget(m_slider);
    layout->addLayout(times);
    layout->addLayout(buttons);
}

void PreviewPanel::setFile(const QString &file, const QString &videoTime)
{
    m_file = file;
    m_videoTime = videoTime;
    m_elapsed = 0;
    m_total = secondsOf(videoTime);
}

void PreviewPanel::startPlayer(std::optional<qint32> start, PlayerCommand::Blanks blanks)
{
    const CommandLine command =
        PlayerCommand::build(m_file, qint64(m_surface->winId()), start, blanks);
    if (m_player->play(command))
        m_surface->playerStarted();
}

void PreviewPanel::startPlaying(const QString &videoTime)
{
    SkinLabel10->setText(QStringLiteral("Total time:") + videoTime);
    m_elapsed = 0;
    m_total = secondsOf(videoTime);
    Timer1->start();
}

void PreviewPanel::playRow(const ConversionList &list, int row)
{
    if (list.count() == 0 || row < 0 || row >= list.count())
        return;
    setFile(list.text(row, ConversionList::FileName), list.text(row, ConversionList::VideoTime));
    startPlayer(std::nullopt, PlayerCommand::Blanks::Vo3Vf2);
    startPlaying(m_videoTime);
}

void PreviewPanel::playClip()
{
    startPlayer(std::nullopt, PlayerCommand::Blanks::Vo3Vf3);
    startPlaying(m_videoTime);
}

void PreviewPanel::pause()
{
    m_player->sendKey(ProcessWindows::KeySpace);
    if (Timer1->isActive())
        Timer1->stop();
    else
        Timer1->start();
}

void PreviewPanel::stop()
{
    m_player->stop();
    m_elapsed = 0;
    Timer1->stop();
    LblCurTime->clear();
}

void PreviewPanel::back()
{
    m_player->sendKey(ProcessWindows::KeyLeft);
}

void PreviewPanel::forward()
{
    m_player->sendKey(ProcessWindows::KeyRight);
}

void PreviewPanel::firstFrame()
{
    startPlayer(std::nullopt, m_role == Role::Main ? PlayerCommand::Blanks::Vo4Vf1
                                                   : PlayerCommand::Blanks::Vo4Vf2);
    m_elapsed = 0;
    Timer1->start();
}

void PreviewPanel::lastFrames()
{
    startPlayer(m_total, m_role == Role::Main ? PlayerCommand::Blanks::Vo3Vf2
                                              : PlayerCommand::Blanks::Vo3Vf3);
    m_elapsed = m_total;
    Timer1->start();
}

void PreviewPanel::seek()
{
    m_elapsed = qint32(roundHalfEven(double(qint64(m_total) * m_slider->value()) / 100));
    LblCurTime->setText(TimeText::clock(m_elapsed));
    if (m_elapsed < m_total) {
        startPlayer(m_elapsed, m_role == Role::Main ? PlayerCommand::Blanks::Vo4Vf2
                                                    : PlayerCommand::Blanks::Vo3Vf3);
    } else {
        Timer1->stop();
    }
}

void PreviewPanel::tick()
{
    m_elapsed += 1;
    if (m_total != 0) {
        const qint64 percent = roundHalfEven(double(m_elapsed) / m_total * 100);
        // Past the end (after "Last Frames") the slider stays where it is.
        if (percent >= m_slider->minimum() && percent <= m_slider->maximum())
            m_slider->setValue(int(percent));
    }
    LblCurTime->setText(TimeText::clock(m_elapsed));
    if (m_elapsed >= m_total)
        Timer1->stop();
}

void PreviewPanel::stopPreview()
{
    m_player->stop();
    Timer1->stop();
}

bool PreviewPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Seek once the slider has taken the release itself, wherever it was let go.
    if (watched == m_slider && event->type() == QEvent::MouseButtonRelease)
        QMetaObject::invokeMethod(this, &PreviewPanel::seek, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

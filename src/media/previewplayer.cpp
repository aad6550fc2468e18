// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/previewplayer.h"

#include "common/appfolder.h"
#include "common/childprogram.h"
#include "common/processwindows.h"

PreviewPlayer::PreviewPlayer(QObject *parent) : QObject(parent) {}

PreviewPlayer::~PreviewPlayer()
{
    stopAll();
}

bool PreviewPlayer::play(const CommandLine &command)
{
    m_lastCommandText = command.text();
    stop();
    auto *player = new ChildProgram(this);
    player->setWorkingFolder(AppFolder());
    player->setOutput(ChildProgram::Output::Discarded);
    connect(player, &ChildProgram::finished, this, [this, player] {
        player->deleteLater();
        if (player == m_current)
            Q_EMIT stopped();
    });
    if (!player->start(command))
        return false;
    m_lastStartedId = player->processId();
    m_current = player;
    return true;
}

void PreviewPlayer::stop()
{
    if (m_current)
        m_current->requestStop();
}

bool PreviewPlayer::sendKey(int key)
{
    return m_current && m_current->write(ProcessWindows::keyText(key));
}

bool PreviewPlayer::isPlaying() const
{
    return m_current && m_current->isRunning();
}

qint64 PreviewPlayer::processId() const
{
    return m_current ? m_current->processId() : 0;
}

void PreviewPlayer::stopAll()
{
    const auto players = findChildren<ChildProgram *>(Qt::FindDirectChildrenOnly);
    for (ChildProgram *player : players)
        player->stopNow();
}

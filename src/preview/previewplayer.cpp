#include "preview/previewplayer.h"

#include "common/appfolder.h"
#include "common/commandline.h"
#include "convert/processwindows.h"
#include "preview/previewstate.h"

#include <QProcess>

PreviewPlayer::PreviewPlayer(QObject *parent) : QObject(parent) {}

PreviewPlayer::~PreviewPlayer()
{
    stopAll();
}

bool PreviewPlayer::start(const CommandLine &command)
{
    PreviewState::instance().PlayerCommandLine = command.text();
    auto *process = new QProcess(this);
    process->setProgram(command.program());
    process->setArguments(command.arguments());
    process->setWorkingDirectory(AppFolder());
    // Nothing reads the player's chatter; a pipe nobody empties would stall it.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start();
    if (!process->waitForStarted(5000))
        return false;
    ProcessWindows::track(process);
    PlayerProcessId = qint32(process->processId());
    m_current = process;
    return true;
}

QProcess *PreviewPlayer::current() const
{
    return m_current && m_current->state() == QProcess::Running ? m_current : nullptr;
}

void PreviewPlayer::stopAll()
{
    const auto players = findChildren<QProcess *>(Qt::FindDirectChildrenOnly);
    for (QProcess *p : players) {
        if (p->state() == QProcess::Running)
            p->write(ProcessWindows::keyText(ProcessWindows::KeyQ));
    }
    for (QProcess *p : players) {
        if (p->state() != QProcess::NotRunning && !p->waitForFinished(2000)) {
            p->kill();
            p->waitForFinished(1000);
        }
    }
}

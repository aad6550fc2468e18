#include "media/mediaprobe.h"

#include "common/appfolder.h"
#include "common/process.h"
#include "media/conversionlist.h"

namespace {
constexpr int DefaultTimeLimitMs = 30000;
} // namespace

MediaProbe::MediaProbe(ConversionList *list, QObject *parent) : QObject(parent), m_list(list)
{
    m_limit.setSingleShot(true);
    m_limit.setInterval(DefaultTimeLimitMs);
    // A file that never ends (a pipe, a stalled network mount) must not hold the queue.
    connect(&m_limit, &QTimer::timeout, this, [this] {
        if (m_process)
            m_process->Abort(0);
    });
}

MediaProbe::~MediaProbe()
{
    delete m_process;
}

CommandLine MediaProbe::probeCommand(const QString &path)
{
    CommandLine command;
    command.addBare(AppFolder() + QStringLiteral("mp.dll"))
        .addText(QStringLiteral(" -identify "))
        .addText(QStringLiteral("-benchmark "))
        .addText(QStringLiteral("-nosound "))
        .addText(QStringLiteral("-vo null "))
        .addText(QStringLiteral("-vf cropdetect "))
        .addText(QStringLiteral("-endpos 1 "))
        .addQuoted(path);
    return command;
}

CommandLine MediaProbe::durationCommand(const QString &path)
{
    CommandLine command;
    command.addBare(AppFolder() + QStringLiteral("fp.dll"))
        .addText(QStringLiteral(" -hide_banner -i "))
        .addQuoted(path);
    return command;
}

void MediaProbe::AddVideoFile(const QString &path)
{
    m_waiting.enqueue(path);
    if (!m_process)
        startNext();
}

void MediaProbe::startNext()
{
    while (!m_process) {
        if (m_waiting.isEmpty()) {
            Q_EMIT idle();
            return;
        }
        m_path = m_waiting.dequeue();
        // The row exists before the player runs, so a file that yields nothing still
        // has its row.
        m_row = QPersistentModelIndex(m_list->index(m_list->addItem(m_path), 0));
        m_report = ProbeReport();
        if (run(probeCommand(m_path), Stage::Identify))
            return;
        // The player could not be started: ask the encoder, as for a file without length.
        if (!run(durationCommand(m_path), Stage::Duration))
            finishRow();
    }
}

bool MediaProbe::run(const CommandLine &command, Stage stage)
{
    m_stage = stage;
    m_process = NewProcess(command, this);
    m_process->NoWait = true;
    connect(m_process, &Process::Finished, this, &MediaProbe::childFinished);
    m_process->Launch();
    if (m_process->processId() == 0) {
        delete m_process;
        m_process = nullptr;
        return false;
    }
    m_limit.start();
    return true;
}

void MediaProbe::childFinished()
{
    m_limit.stop();
    Process *finished = m_process;
    m_process = nullptr;
    const QString output = finished->StdOut();
    // Called from the runner's own signal.
    finished->deleteLater();

    if (m_stage == Stage::Identify) {
        m_report = ProbeReport::parse(output);
        // Without a length the row would be converted to nothing: the encoder may know.
        if (m_report.lacksLength() && m_row.isValid() &&
            run(durationCommand(m_path), Stage::Duration))
            return;
    } else if (const auto seconds = ProbeReport::encoderDuration(output)) {
        m_report.length = *seconds;
    }
    finishRow();
    startNext();
}

void MediaProbe::finishRow()
{
    if (!m_row.isValid())
        return; // removed while it was probed
    const int row = m_row.row();
    m_list->setText(row, ConversionList::Start, QStringLiteral("0:00:00"));
    m_list->setText(row, ConversionList::End, m_report.lengthText());
    m_list->setText(row, ConversionList::Size, m_report.sizeText());
    m_list->setText(row, ConversionList::Format, m_report.format.value_or(QString()));
    m_list->setText(row, ConversionList::VideoTime, m_report.lengthText());
    m_row = QPersistentModelIndex();
    Q_EMIT rowProbed(row);
}

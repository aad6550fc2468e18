// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/encodercapturecontrol.h"

#include "capture/cameracontrols.h"
#include "capture/captureencodercommand.h"
#include "capture/v4l2io.h"
#include "capture/videodevices.h"
#include "common/appfolder.h"
#include "common/childprogram.h"
#include "common/diskspace.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
// The encoder's own words for a failure, most useful first: its error lines without the
// addresses of its inner objects, or else how it ended.
QString encoderReason(const ChildProgram &child)
{
    if (child.end() == ChildProgram::End::FailedToStart)
        return QStringLiteral("The encoder %1fp.dll could not be started.").arg(AppFolder());
    static const QRegularExpression address(QStringLiteral(" @ 0x[0-9a-f]+\\]"));
    QStringList lines;
    const QStringList tail = child.tail();
    for (qsizetype i = qMax<qsizetype>(0, tail.size() - 3); i < tail.size(); ++i)
        lines << QString(tail[i]).replace(address, QStringLiteral("]")).trimmed();
    if (!lines.isEmpty())
        return lines.join(QLatin1Char('\n'));
    if (child.end() == ChildProgram::End::Crashed)
        return QStringLiteral("The encoder ended abnormally (signal %1).")
            .arg(child.exitCode() - 128);
    return QStringLiteral("The encoder ended with exit code %1.").arg(child.exitCode());
}

bool keepInTail(const QString &line)
{
    // A preview picture that came too soon is skipped, and says so; it is no failure.
    return !CaptureProgress::isProgressLine(line) &&
           !line.contains(QLatin1String("non monotonically increasing dts"));
}
} // namespace

EncoderCaptureControl::EncoderCaptureControl(QObject *parent)
    : EncoderCaptureControl(V4l2Io::system(), VideoDevices::currentDisplay(), parent)
{
}

EncoderCaptureControl::EncoderCaptureControl(V4l2Io &io, const QString &display, QObject *parent)
    : CaptureControl(parent), m_io(io), m_devices(VideoDevices::list(io, display))
{
    setObjectName(QStringLiteral("vcx"));
    m_firstFrame.setSingleShot(true);
    m_firstFrame.setInterval(FirstFrameTimeoutMs);
    connect(&m_firstFrame, &QTimer::timeout, this, &EncoderCaptureControl::firstFrameOverdue);
}

EncoderCaptureControl::~EncoderCaptureControl()
{
    if (m_mode == Mode::Recording && m_child) {
        // No event loop may run here: the child is waited for where we stand.
        m_mode = Mode::Stopping;
        m_child->stopNow();
        m_target.finish();
    }
    m_mode = Mode::Idle;
    delete m_child;
}

int EncoderCaptureControl::deviceCount() const
{
    return int(m_devices.size());
}

QString EncoderCaptureControl::deviceName(int index) const
{
    return index >= 0 && index < m_devices.size() ? m_devices[index].name : QString();
}

const CaptureDevice *EncoderCaptureControl::selected() const
{
    return m_selected >= 0 && m_selected < m_devices.size() ? &m_devices[m_selected] : nullptr;
}

void EncoderCaptureControl::setSelectedDevice(int index)
{
    m_selected = index;
}

void EncoderCaptureControl::setConnected(bool connected)
{
    if (!connected) {
        // Released first, so the end of a recording does not bring the preview back.
        m_connected = false;
        stopCapture();
        stopChild();
        return;
    }
    if (m_connected)
        return;
    m_connected = true;
    showPreview();
}

void EncoderCaptureControl::setCaptureFile(const QString &path)
{
    m_captureFile = path;
}

void EncoderCaptureControl::setPreview(bool on)
{
    m_preview = on;
    if (on && m_mode == Mode::Idle)
        showPreview();
    else if (!on && m_mode == Mode::Previewing)
        stopChild();
}

void EncoderCaptureControl::showPreview()
{
    if (m_connected && m_preview && m_mode == Mode::Idle && selected())
        startChild(false);
}

qint64 EncoderCaptureControl::encoderProcessId() const
{
    return m_child ? m_child->processId() : 0;
}

bool EncoderCaptureControl::isCapturing() const
{
    return m_mode == Mode::Recording || m_mode == Mode::Stopping;
}

CaptureStatistics EncoderCaptureControl::captureStatistics() const
{
    // Once a recording has ended its final figures stay, whatever the preview does.
    return isCapturing() ? m_progress.statistics() : m_recorded;
}

std::optional<CameraPropertyRange> EncoderCaptureControl::cameraPropertyRange(int property) const
{
    const CaptureDevice *device = selected();
    if (!device || device->kind != CaptureDevice::Kind::Camera)
        return std::nullopt;
    return CameraControls(m_io, device->source).range(property);
}

int EncoderCaptureControl::cameraPropertyValue(int property) const
{
    const CaptureDevice *device = selected();
    if (!device || device->kind != CaptureDevice::Kind::Camera)
        return 0;
    return CameraControls(m_io, device->source).value(property).value_or(0);
}

void EncoderCaptureControl::setCameraProperty(int property, int value)
{
    const CaptureDevice *device = selected();
    if (device && device->kind == CaptureDevice::Kind::Camera)
        CameraControls(m_io, device->source).set(property, value);
}

bool EncoderCaptureControl::startCapture()
{
    m_lastError.clear();
    if (isCapturing())
        return true;
    if (!m_connected || !selected()) {
        m_lastError = QStringLiteral("No capture device is connected.");
        return false;
    }
    if (m_captureFile.trimmed().isEmpty()) {
        m_lastError = QStringLiteral("Name the file to record into.");
        return false;
    }
    if (!m_target.prepare(m_captureFile)) {
        m_lastError = m_target.error();
        return false;
    }
    m_savedFile.clear();
    m_recorded = CaptureStatistics();
    m_room.reset();
    m_outOfRoom = false;
    if (!startChild(true)) {
        m_target.discard();
        showPreview();
        return false;
    }
    m_firstFrame.start();
    return true;
}

void EncoderCaptureControl::stopCapture()
{
    if (m_mode != Mode::Recording || !m_child)
        return;
    m_mode = Mode::Stopping;
    m_firstFrame.stop();
    ChildProgram *child = m_child;
    // The encoder finishes the file on its quit key; the window stays alive meanwhile.
    if (!child->hasEnded()) {
        QEventLoop wait;
        connect(child, &ChildProgram::finished, &wait, &QEventLoop::quit);
        child->requestStop();
        if (!child->hasEnded())
            wait.exec();
    }
    m_child = nullptr;
    child->deleteLater();
    m_recorded = m_progress.statistics();
    m_mode = Mode::Idle;
    saveRecording(*child);
    Q_EMIT captureEnded();
    showPreview();
}

bool EncoderCaptureControl::startChild(bool record)
{
    stopChild();
    const CaptureDevice *device = selected();
    CaptureEncoderCommand::Request request;
    request.device = *device;
    if (m_preview)
        request.previewSize = m_previewSize;
    if (record) {
        request.recordFile = m_target.workFile();
        request.limitMs = m_limitMs;
    }
    if (request.previewSize.isEmpty() && request.recordFile.isEmpty())
        return false;

    auto *child = new ChildProgram(this);
    child->setOutput(ChildProgram::Output::RawAndErrLines);
    child->setWorkingFolder(AppFolder());
    child->setTailFilter(keepInTail);
    connect(child, &ChildProgram::lineReceived, this, &EncoderCaptureControl::takeLine);
    connect(child, &ChildProgram::rawOutputReceived, this, &EncoderCaptureControl::takeRaw);
    connect(child, &ChildProgram::finished, this,
            [this, child](int exitCode, ChildProgram::End) { childFinished(child, exitCode); });
    m_cutter.reset(request.previewSize);
    m_progress.reset();
    if (!child->start(CaptureEncoderCommand::build(request))) {
        m_lastError = QStringLiteral("The encoder %1fp.dll could not be started.").arg(AppFolder());
        child->deleteLater();
        if (!record)
            Q_EMIT previewProblem(m_lastError);
        return false;
    }
    m_child = child;
    m_mode = record ? Mode::Recording : Mode::Previewing;
    if (!record)
        Q_EMIT previewProblem(QString());
    return true;
}

void EncoderCaptureControl::stopChild()
{
    if (m_mode == Mode::Recording)
        stopCapture();
    ChildProgram *child = m_child;
    m_child = nullptr;
    m_mode = Mode::Idle;
    if (child) {
        child->stopNow();
        child->deleteLater();
    }
}

void EncoderCaptureControl::childFinished(ChildProgram *child, int exitCode)
{
    if (child != m_child)
        return;
    if (m_mode == Mode::Recording) {
        recordingEndedByItself(exitCode);
    } else if (m_mode == Mode::Previewing) {
        m_mode = Mode::Idle;
        m_child = nullptr;
        child->deleteLater();
        Q_EMIT previewProblem(encoderReason(*child));
    }
}

void EncoderCaptureControl::recordingEndedByItself(int exitCode)
{
    ChildProgram *child = m_child;
    m_child = nullptr;
    child->deleteLater();
    m_recorded = m_progress.statistics();
    m_mode = Mode::Idle;
    m_firstFrame.stop();
    const QString reason = encoderReason(*child);
    if (!m_progress.hasFrames()) {
        failRecording(DiskSpace::saysNoSpace(reason) ? DiskSpace::noSpaceText(m_target.folder())
                                                     : reason);
        return;
    }
    // The encoder ends a lost device's recording as cleanly as one that reached its
    // limit: only the recorded time tells them apart.
    const bool limitReached = m_limitMs > 0 && exitCode == 0 && m_progress.ended() &&
                              m_recorded.timeMs >= m_limitMs - LimitToleranceMs;
    if (saveRecording(*child) && !limitReached && !m_outOfRoom) {
        m_lastError = QStringLiteral("The recording stopped: the device was lost.\n%1\n"
                                     "%2 holds what was recorded up to then.")
                          .arg(reason, m_savedFile);
        Q_EMIT captureInterrupted(m_lastError);
    }
    Q_EMIT captureEnded();
    showPreview();
}

void EncoderCaptureControl::failRecording(const QString &reason)
{
    m_target.discard();
    m_lastError = QStringLiteral("The recording could not start.\n") + reason;
    Q_EMIT captureFailed(m_lastError);
    Q_EMIT captureEnded();
    showPreview();
}

bool EncoderCaptureControl::saveRecording(const ChildProgram &child)
{
    m_savedFile.clear();
    if (!m_target.isPrepared())
        return false;
    const QString noSpace =
        QStringLiteral("The recording stopped: ") + DiskSpace::noSpaceText(m_target.folder());
    if (DiskSpace::saysNoSpace(child.tail().join(QLatin1Char('\n')))) {
        // The encoder could not end the file; under the name it would pass for a whole one.
        m_lastError = QStringLiteral("%1\nWhat was recorded is kept as %2, without the index "
                                     "a player needs to find its way in it.")
                          .arg(noSpace, m_target.keepHidden());
        Q_EMIT captureInterrupted(m_lastError);
        return false;
    }
    if (!m_target.finish()) {
        m_lastError = m_target.error();
        Q_EMIT captureFailed(m_lastError);
        return false;
    }
    m_savedFile = m_target.target();
    if (m_outOfRoom) {
        m_lastError =
            QStringLiteral("%1\n%2 holds what was recorded up to then.").arg(noSpace, m_savedFile);
        Q_EMIT captureInterrupted(m_lastError);
    }
    return true;
}

void EncoderCaptureControl::checkRoom()
{
    const qint64 size = QFileInfo(m_target.workFile()).size();
    if (!m_room.runningOut(DiskSpace::freeBytes(m_target.folder()), size,
                           m_progress.statistics().framesRecorded))
        return;
    m_outOfRoom = true;
    // Not from inside the encoder's own signal: stopping waits for its end.
    QTimer::singleShot(0, this, [this] {
        if (m_mode == Mode::Recording)
            stopCapture();
    });
}

void EncoderCaptureControl::firstFrameOverdue()
{
    if (m_mode != Mode::Recording || m_progress.hasFrames() || !m_child)
        return;
    ChildProgram *child = m_child;
    m_child = nullptr;
    m_mode = Mode::Idle;
    child->stopNow();
    child->deleteLater();
    failRecording(QStringLiteral("The device gave no picture for %1 seconds.")
                      .arg(FirstFrameTimeoutMs / 1000));
}

void EncoderCaptureControl::takeLine(const QString &line)
{
    if (!m_progress.take(line) || m_mode != Mode::Recording || !m_progress.hasFrames())
        return;
    m_firstFrame.stop();
    if (!m_outOfRoom)
        checkRoom();
}

void EncoderCaptureControl::takeRaw(const QByteArray &bytes)
{
    const QImage frame = m_cutter.feed(bytes);
    if (!frame.isNull())
        Q_EMIT previewFrame(frame);
}

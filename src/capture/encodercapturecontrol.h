// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/capturecontrol.h"
#include "capture/capturedevice.h"
#include "capture/captureprogress.h"
#include "capture/previewframecutter.h"
#include "capture/recordingroom.h"
#include "capture/recordingtarget.h"

#include <QList>
#include <QPointer>
#include <QSize>
#include <QTimer>

class ChildProgram;
class V4l2Io;

// The capture control of this platform: the kernel's video capture nodes and the X
// screen, both read by the encoder. One encoder child runs per connected device; a
// recording replaces the preview-only child by one that writes the file as well, and
// the preview-only child comes back when the recording ends.
class EncoderCaptureControl : public CaptureControl
{
    Q_OBJECT

public:
    // A recording that has not written its first frame after this long has failed.
    static constexpr int FirstFrameTimeoutMs = 15000;
    // A recording with a limit may end up to a few frames short of it.
    static constexpr int LimitToleranceMs = 250;

    explicit EncoderCaptureControl(QObject *parent = nullptr);
    EncoderCaptureControl(V4l2Io &io, const QString &display, QObject *parent = nullptr);
    // A running recording is finished; no child outlives the control.
    ~EncoderCaptureControl() override;

    int deviceCount() const override;
    QString deviceName(int index) const override;
    void setSelectedDevice(int index) override;
    void setConnected(bool connected) override;
    void setCaptureFile(const QString &path) override;
    void setPreview(bool on) override;
    bool startCapture() override;
    void stopCapture() override;
    bool isCapturing() const override;
    CaptureStatistics captureStatistics() const override;
    std::optional<CameraPropertyRange> cameraPropertyRange(int property) const override;
    int cameraPropertyValue(int property) const override;
    void setCameraProperty(int property, int value) override;
    QString lastError() const override { return m_lastError; }

    QList<CaptureDevice> devices() const { return m_devices; }
    void setPreviewSize(QSize size) { m_previewSize = size; }
    QSize previewSize() const { return m_previewSize; }
    // The next recordings end by themselves after this long; 0: only when asked.
    void setRecordingLimit(qint64 ms) { m_limitMs = ms; }
    // The file the last recording was saved as (empty while one runs or none did).
    QString savedFile() const { return m_savedFile; }
    // The encoder running now, or 0: for measurements.
    qint64 encoderProcessId() const;

Q_SIGNALS:
    // Whatever way a recording ended: stopped, its limit reached, failed or interrupted.
    void captureEnded();

private:
    enum class Mode { Idle, Previewing, Recording, Stopping };

    const CaptureDevice *selected() const;
    bool startChild(bool record);
    void stopChild();
    void childFinished(ChildProgram *child, int exitCode);
    void recordingEndedByItself(int exitCode);
    void failRecording(const QString &reason);
    bool saveRecording(const ChildProgram &child);
    void checkRoom();
    void showPreview();
    void firstFrameOverdue();
    void takeLine(const QString &line);
    void takeRaw(const QByteArray &bytes);

    V4l2Io &m_io;
    QList<CaptureDevice> m_devices;
    int m_selected = 0;
    bool m_connected = false;
    bool m_preview = false;
    QString m_captureFile;
    QSize m_previewSize{320, 240};
    qint64 m_limitMs = 0;
    Mode m_mode = Mode::Idle;
    QPointer<ChildProgram> m_child;
    CaptureProgress m_progress;
    CaptureStatistics m_recorded; // the last recording's final figures
    PreviewFrameCutter m_cutter;
    RecordingTarget m_target;
    RecordingRoom m_room;
    bool m_outOfRoom = false; // the recording was stopped before the disk was full
    QString m_savedFile;
    QString m_lastError;
    QTimer m_firstFrame;
};

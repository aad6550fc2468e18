// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/captureencodercommand.h"

#include "common/appfolder.h"

namespace {
// The screen is grabbed on a steady clock that catches up when it falls behind; giving
// each grab its own slot keeps a late grab from costing a frame on a busy machine.
QString screenTiming(const CaptureDevice &device)
{
    return device.kind == CaptureDevice::Kind::Screen ? QStringLiteral("setpts=N/FRAME_RATE/TB,")
                                                      : QString();
}

// Each output ends after the limit, so the encoder ends with the last of them.
void addLimit(CommandLine &command, const CaptureEncoderCommand::Request &request)
{
    if (request.limitMs > 0)
        command.addText(QStringLiteral(" -t %1").arg(double(request.limitMs) / 1000.0, 0, 'f', 3));
}

void addInput(CommandLine &command, const CaptureEncoderCommand::Request &request)
{
    if (request.device.kind == CaptureDevice::Kind::Screen) {
        command.addText(
            QStringLiteral(" -f x11grab -framerate %1 -i ").arg(CaptureEncoderCommand::ScreenRate));
    } else {
        command.addText(QStringLiteral(" -f v4l2 -i "));
    }
    command.addQuoted(request.device.source);
}

void addRecording(CommandLine &command, const CaptureEncoderCommand::Request &request)
{
    command.addText(QStringLiteral(" -map 0:v"));
    const QString timing = screenTiming(request.device);
    if (!timing.isEmpty())
        command.addText(QStringLiteral(" -vf ")).addBare(timing.chopped(1));
    command.addText(QStringLiteral(" -fps_mode cfr -c:v mjpeg -pix_fmt yuvj420p -q:v 4 -an"));
    addLimit(command, request);
    command.addText(QStringLiteral(" -f avi -y "));
    command.addQuoted(request.recordFile);
}

void addPreview(CommandLine &command, const CaptureEncoderCommand::Request &request)
{
    const int w = request.previewSize.width();
    const int h = request.previewSize.height();
    const QString filter =
        screenTiming(request.device) +
        QStringLiteral("scale=%1:%2:force_original_aspect_ratio=decrease,pad=%1:%2:-1:-1")
            .arg(w)
            .arg(h);
    // Passthrough: a preview picture is shown as it comes, never repeated or counted.
    command.addText(QStringLiteral(" -map 0:v -vf ")).addBare(filter);
    command.addText(QStringLiteral(" -fps_mode passthrough -pix_fmt bgra"));
    if (!request.recordFile.isEmpty())
        addLimit(command, request);
    command.addText(QStringLiteral(" -f rawvideo pipe:1"));
}
} // namespace

CommandLine CaptureEncoderCommand::build(const Request &request)
{
    CommandLine command;
    command.addQuoted(AppFolder() + QStringLiteral("fp.dll"));
    command.addText(QStringLiteral(" -hide_banner -nostats -loglevel error"
                                   " -progress pipe:2 -stats_period 0.5"));
    addInput(command, request);
    // The recording comes first: the encoder's frame count is that of its first output.
    if (!request.recordFile.isEmpty())
        addRecording(command, request);
    if (!request.previewSize.isEmpty())
        addPreview(command, request);
    return command;
}

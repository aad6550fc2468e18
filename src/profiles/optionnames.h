// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The captions that identify the rows of the option set; every reader and writer of an
// option uses these.
namespace OptionNames {
inline const QString General = QStringLiteral("General");
inline const QString ItemName = QStringLiteral("Item Name");

inline const QString OutputDuration = QStringLiteral("Output Duration");
inline const QString AllClipDuration = QStringLiteral("All Clip Duration");
inline const QString StartTime = QStringLiteral("Start Time");
inline const QString StopTime = QStringLiteral("Stop Time");

inline const QString VideoOptions = QStringLiteral("Video Options");
inline const QString VideoCodec = QStringLiteral("Video Codec");
inline const QString VideoSize = QStringLiteral("Video Size");
inline const QString VideoBitrate = QStringLiteral("Video Bitrate");
inline const QString VideoFramerate = QStringLiteral("Video Framerate");
inline const QString AspectRatio = QStringLiteral("Aspect Ratio");

inline const QString AudioOptions = QStringLiteral("Audio Options");
inline const QString AudioCodec = QStringLiteral("Audio Codec");
inline const QString AudioBitrate = QStringLiteral("Audio Bitrate");
inline const QString SampleRate = QStringLiteral("Sample Rate");
inline const QString AudioChannel = QStringLiteral("Audio Channel");
inline const QString DisableAudio = QStringLiteral("Disable Audio");
inline const QString AvSync = QStringLiteral("A/V Sync");

// The value that leaves an option out of the command, so the input's own value holds.
inline const QString Original = QStringLiteral("Original");
// The value of a database-fed row whose type offers no choices.
inline const QString NotAvailable = QStringLiteral("N/A");
} // namespace OptionNames

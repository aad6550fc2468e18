// SPDX-License-Identifier: GPL-3.0-or-later
#include "convertoptions.h"

#include "profiles/optionnames.h"

void ConvertOptions::fill(OptionSet &set) const
{
    using namespace OptionNames;
    using K = OptionSet::Kind;
    set.clear();
    set.addRow(General, ItemName, K::Display, "Auto");
    set.addRow(OutputDuration, StartTime, K::Display, "00:00:07");
    set.addRow(OutputDuration, StopTime, K::Display, "00:00:09");
    set.addRow(VideoOptions, VideoCodec, K::List, videoCodec);
    set.addRow(VideoOptions, VideoSize, K::List, videoSize);
    set.addRow(VideoOptions, VideoBitrate, K::List, videoBitrate);
    set.addRow(VideoOptions, VideoFramerate, K::List, frameRate);
    set.addRow(VideoOptions, AspectRatio, K::List, aspect);
    set.addRow(AudioOptions, AudioCodec, K::List, audioCodec);
    set.addRow(AudioOptions, AudioBitrate, K::List, audioBitrate);
    set.addRow(AudioOptions, SampleRate, K::List, sampleRate);
    set.addRow(AudioOptions, AudioChannel, K::List, channels);
    set.addRow(AudioOptions, DisableAudio, K::List, disableAudio);
    set.addRow(AudioOptions, AvSync, K::List, "Default");
}

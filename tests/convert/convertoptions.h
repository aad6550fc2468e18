// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/optionset.h"

#include <QString>

// The ten options that enter the encoder's command line, filled as the options sheet
// would hold them (the Part's example by default), plus the rows that must not enter it.
struct ConvertOptions
{
    QString videoCodec = "x264";
    QString aspect = "16:9";
    QString videoSize = "640x480";
    QString videoBitrate = "1500";
    QString frameRate = "25";
    QString disableAudio = "No";
    QString audioCodec = "aac";
    QString audioBitrate = "128";
    QString sampleRate = "44100";
    QString channels = "2";

    void fill(OptionSet &set) const;
};

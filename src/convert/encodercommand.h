// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/commandline.h"
#include "convert/runsettings.h"

#include <QString>
#include <QtGlobal>

class ConversionList;
class MediaFacts;
class OptionSet;

// The texts of one queued row that its command line is built from.
struct EncoderRow
{
    QString fileName;
    QString start; // time texts
    QString end;
    QString watermark; // empty, or "image;" path ";area;" place
    QString videoTime = {}; // the file's whole length as probed; empty when unknown

    static EncoderRow fromList(const ConversionList &list, int row);
    // No clip end was chosen: the end is the file's own (also when neither is known).
    bool endsWithFile() const;
    // Brings the row's lengths and frame size up to what the encoder finds as the row
    // starts: a file still being copied when it was added probed too short. The end
    // follows the length unless a clip end was chosen.
    static void takeFacts(ConversionList &list, int row, const MediaFacts &facts);
};

// One row's encoder run: the command (its text is what users see, its argument list
// what runs), the file it writes, and the clip length the progress is measured against.
struct EncoderCommand
{
    CommandLine commandLine;
    QString outputPath;
    qint64 clipStartSeconds = 0;
    qint64 clipDurationSeconds = 0;
    // Runs to the file's very end: the whole seconds of the text are left out of what
    // runs, so no fraction of a second is cut off.
    bool toFileEnd = false;
    // What the options ask to be written, when the input has it.
    bool wantsVideo = true;
    bool wantsAudio = true;
};

// The encoder's statistics file in the program's folder.
QString EncoderStatisticsFile();

// The command line and output path of one row from the current options, the chooser's
// caption and the run's settings. Values the encoder cannot use are passed on unchanged;
// the encoder then fails and the row says so.
EncoderCommand BuildEncoderCommand(const EncoderRow &row, const OptionSet &options,
                                   const QString &profileCaption, const RunSettings &settings);

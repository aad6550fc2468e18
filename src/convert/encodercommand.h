// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/commandline.h"
#include "convert/runsettings.h"

#include <QString>
#include <QtGlobal>

class ConversionList;
class OptionSet;

// The texts of one queued row that its command line is built from.
struct EncoderRow
{
    QString fileName;
    QString start; // time texts
    QString end;
    QString watermark; // empty, or "image;" path ";area;" place

    static EncoderRow fromList(const ConversionList &list, int row);
};

// One row's encoder run: the command (its text is what users see, its argument list
// what runs), the file it writes, and the clip length the progress is measured against.
struct EncoderCommand
{
    CommandLine commandLine;
    QString outputPath;
    qint64 clipDurationSeconds = 0;
};

// The encoder's statistics file in the program's folder.
QString EncoderStatisticsFile();

// The command line and output path of one row from the current options, the chooser's
// caption and the run's settings. Values the encoder cannot use are passed on unchanged;
// the encoder then fails and the row says so.
EncoderCommand BuildEncoderCommand(const EncoderRow &row, const OptionSet &options,
                                   const QString &profileCaption, const RunSettings &settings);

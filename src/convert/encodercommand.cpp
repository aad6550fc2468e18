// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/encodercommand.h"

#include "common/appfolder.h"
#include "common/numerictext.h"
#include "common/programplaces.h"
#include "common/rounding.h"
#include "common/timetext.h"
#include "convert/encoderfragments.h"
#include "media/conversionlist.h"
#include "media/mediafacts.h"
#include "media/watermarktext.h"
#include "profiles/optionnames.h"
#include "profiles/optionset.h"

#include <QStringList>

#include <algorithm>

EncoderRow EncoderRow::fromList(const ConversionList &list, int row)
{
    return {list.text(row, ConversionList::FileName), list.text(row, ConversionList::Start),
            list.text(row, ConversionList::End), list.text(row, ConversionList::Watermark),
            list.text(row, ConversionList::VideoTime)};
}

bool EncoderRow::endsWithFile() const
{
    return TimeText::seconds(end) == TimeText::seconds(videoTime);
}

void EncoderRow::takeFacts(ConversionList &list, int row, const MediaFacts &facts)
{
    if (facts.hasVideo && facts.width > 0 && facts.height > 0)
        list.setText(row, ConversionList::Size,
                     QStringLiteral("%1x%2").arg(facts.width).arg(facts.height));
    if (!facts.length)
        return;
    const bool whole = fromList(list, row).endsWithFile();
    const QString length = TimeText::clock(roundHalfEven(*facts.length));
    list.setText(row, ConversionList::VideoTime, length);
    if (whole)
        list.setText(row, ConversionList::End, length);
}

QString EncoderStatisticsFile()
{
    return ProgramPlaces::statisticsFile();
}

EncoderCommand BuildEncoderCommand(const EncoderRow &row, const OptionSet &options,
                                   const QString &profileCaption, const RunSettings &settings)
{
    using namespace OptionNames;
    using F = EncoderFragments;
    const auto video = [&](const QString &caption) { return options.value(VideoOptions, caption); };
    const auto audio = [&](const QString &caption) { return options.value(AudioOptions, caption); };

    const qint64 start = TimeText::secondsOrZero(row.start);
    const qint64 end = TimeText::secondsOrZero(row.end);

    EncoderCommand command;
    command.clipStartSeconds = start;
    command.clipDurationSeconds = end - start;
    command.toFileEnd = row.endsWithFile();
    command.wantsVideo = video(VideoCodec) != NotAvailable;
    command.wantsAudio =
        audio(DisableAudio) == QLatin1String("No") && audio(AudioCodec) != NotAvailable;
    command.outputPath =
        F::outputPath(settings.outputFolder, row.fileName, F::outputExtension(profileCaption),
                      settings.keepExistingFile);

    CommandLine &line = command.commandLine;
    line.addQuoted(AppFolder() + QStringLiteral("fp.dll"));
    line.addText(QStringLiteral(" -i ")).addQuoted(row.fileName);
    const WatermarkText watermark = WatermarkText::parse(row.watermark);
    if (!watermark.isEmpty()) {
        line.addText(QStringLiteral(" -i ")).addQuoted(watermark.image);
        line.addText(QStringLiteral(" -filter_complex ") + F::overlay(watermark.place));
    }
    line.addText(QStringLiteral(" ") + F::videoCodec(video(VideoCodec)) +
                 F::audioBitrate(audio(AudioBitrate)) +
                 F::channels(audio(AudioCodec), audio(AudioChannel)) +
                 F::sampleRate(audio(SampleRate)) + F::videoBitrate(video(VideoBitrate)) +
                 F::frameRate(video(VideoFramerate)));
    line.addText(QStringLiteral(" -ss %1 -t %2").arg(start).arg(command.clipDurationSeconds));
    line.addText(F::frameSize(video(VideoSize)) + F::aspect(video(VideoCodec), video(AspectRatio)) +
                 F::audioCodec(audio(AudioCodec)) + F::audioOff(audio(DisableAudio)));
    line.addText(QStringLiteral(" ")).addQuoted(command.outputPath);
    // The settings dialog lets "-5" through; the encoder refuses a negative count, and 0
    // lets it choose.
    line.addText(QStringLiteral(" -threads ") +
                 NumericText::text(std::max(0.0, settings.threadCount)));
    line.addText(QStringLiteral(" -vstats_file ")).addQuoted(EncoderStatisticsFile());
    // Without it the encoder asks on its standard input whether to overwrite, and waits
    // for an answer that never comes.
    if (!settings.keepExistingFile)
        line.addText(QStringLiteral(" -y"));
    return command;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/outputcheck.h"

#include "common/childoutput.h"
#include "convert/encodercommand.h"
#include "convert/runtimeleft.h"

#include <QObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {
constexpr int ReadThroughLimitMs = 120000;

// The media time of the last status line of a run that copies the file to nowhere.
std::optional<double> lastStatusTime(const QString &output)
{
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]+"));
    const QStringList lines = output.split(lineEnd, Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (const auto seconds = RunTimeLeft::encodedSeconds(*line))
            return seconds;
    }
    return std::nullopt;
}

QString seconds(double value)
{
    return QString::number(value, 'f', 1);
}
} // namespace

OutputCheck::Expectation OutputCheck::expected(const EncoderCommand &command,
                                               const MediaFacts &source)
{
    Expectation asked;
    asked.video = command.wantsVideo && source.hasVideo;
    asked.audio = command.wantsAudio && source.hasAudio;
    if (command.toFileEnd && !source.length)
        return asked;
    const double start = double(command.clipStartSeconds);
    double end = command.toFileEnd ? *source.length : start + command.clipDurationSeconds;
    // A clip end past the file's end can only give what the file has.
    if (source.length)
        end = std::min(end, *source.length);
    asked.seconds = std::max(0.0, end - start);
    return asked;
}

QString OutputCheck::shortfall(const Expectation &asked, const MediaFacts &output)
{
    if (!output.isKnown())
        return QObject::tr("The converted file holds no picture or sound that can be read "
                           "back.");
    if (asked.video && !output.hasVideo)
        return QObject::tr("The converted file holds no picture, though the input has one.");
    if (asked.audio && !output.hasAudio)
        return QObject::tr("The converted file holds no sound, though the input has some.");
    if (!asked.seconds)
        return {};
    const double got = output.length.value_or(0.0);
    if (std::abs(got - *asked.seconds) > std::max(1.0, 0.05 * *asked.seconds))
        return QObject::tr("The output holds %1 s of the %2 s asked.")
            .arg(seconds(got), seconds(*asked.seconds));
    return {};
}

void OutputCheck::check(const QString &encoder, const QString &path, const Expectation &asked,
                        QObject *context, const std::function<void(const QString &)> &done)
{
    MediaFacts::query(encoder, path, context, [=](const MediaFacts &output) {
        if (output.length || !output.isKnown() || !asked.seconds) {
            done(shortfall(asked, output));
            return;
        }
        const QStringList readThrough = {"-hide_banner", "-i", path,   "-c",
                                         "copy",         "-f", "null", "-"};
        ChildOutput::collect(encoder, readThrough, context, ReadThroughLimitMs,
                             [=](const QString &report, bool) {
                                 MediaFacts read = output;
                                 read.length = lastStatusTime(report);
                                 done(shortfall(asked, read));
                             });
    });
}

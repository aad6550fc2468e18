// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/encoderfragments.h"

#include "common/numerictext.h"
#include "profiles/optionnames.h"

#include <QFileInfo>
#include <QHash>

namespace {
QString cutAtFirstDot(const QString &name)
{
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}
} // namespace

bool EncoderFragments::leftOut(const QString &value)
{
    const QString trimmed = value.trimmed();
    return trimmed == OptionNames::Original || trimmed == OptionNames::NotAvailable;
}

QString EncoderFragments::videoCodec(const QString &value)
{
    static const QHash<QString, QString> fragments = {
        {"xvid", " -vcodec libxvid "},
        {"x264", " -vcodec libx264 "},
        {"mpeg4", " -vcodec mpeg4 "},
        {"wmv v9", " -vcodec wmv2 "},
        {"wmv v8", " -vcodec wmv2 "},
        {"mjpeg", " -vcodec mjpeg "},
        {"h263", " -vcodec h263p "},
        {"h263p", " -vcodec h263p "},
        {"mpeg1", " -vcodec mpeg1video "},
        {"mpeg2", " -vcodec mpeg2video "},
        {"msmpeg4", " -vcodec msmpeg4 "},
        {"msmpeg4v2", " -vcodec msmpeg4v2 "},
        {"wmv1", " -vcodec wmv1 "},
        {"wmv2", " -vcodec wmv2 "},
        {"huffyuv", " -vcodec huffyuv "},
        {"ffv1", " -vcodec ffv1 "},
        {"vp8", " -vcodec libvpx "},
        {"libtheora", " -vcodec libtheora "},
        {"gif", " -vcodec gif "},
        {"mpeg1video", " -vcodec mpeg1video "},
        {"mpeg2video", " -vcodec mpeg2video "},
        {"flv", " -vcodec flv "},
        // The newer codecs carry a speed setting: at the encoders' own defaults HEVC and
        // AV1 run far below real time on a two-core machine. Apple's players play HEVC
        // only when it is marked hvc1 (the encoder marks it hev1 unless told).
        {"x265", " -vcodec libx265 -preset veryfast "},
        {"x265 hvc1", " -vcodec libx265 -preset veryfast -tag:v hvc1 "},
        {"vp9", " -vcodec libvpx-vp9 -deadline realtime -cpu-used 5 -row-mt 1 "},
        {"av1", " -vcodec libsvtav1 -preset 10 "},
        {"original", " "},
        {"n/a", " "},
    };
    return fragments.value(value.toLower(), value);
}

QString EncoderFragments::audioCodec(const QString &value)
{
    // The doubled blanks after some "-acodec" are part of the text users see.
    static const QHash<QString, QString> fragments = {
        {"aac", " -acodec libvo_aacenc "},
        {"mp3", " -acodec libmp3lame "},
        {"wma 9.2", " -acodec wmav2 "},
        {"wmav1", " -acodec wmav1 "},
        {"wmav2", " -acodec wmav2 "},
        {"pcm", " -acodec pcm_alaw "},
        {"opencore_amrnb", " -acodec libopencore_amrnb "},
        {"faac", " -acodec  libvo_aacenc "},
        {"ac3", " -acodec ac3 "},
        {"ogg", " -acodec libvorbis "},
        {"libvorbis", " -acodec  libvorbis "},
        {"vorbis", " -acodec  libvorbis "},
        {"pcm_s16be", " -acodec pcm_s16be "},
        {"wma", " -acodec wmav2 "},
        {"mp2", " -acodec mp2 "},
        {"aac_low", " -acodec libvo_aacenc "},
        {"aac_main", " -acodec libvo_aacenc "},
        {"aac_ltp", " -acodec libvo_aacenc "},
        {"alac", " -acodec alac "},
        {"flac", " -acodec flac "},
        {"ape", " -acodec libvo_aacenc "},
        {"dca", " -acodec  libvo_aacenc "},
        {"opus", " -acodec libopus "},
        {"original", "  "},
        {"n/a", "  "},
    };
    return fragments.value(value.toLower(), value);
}

QString EncoderFragments::aspect(const QString &videoCodec, const QString &aspectRatio)
{
    // "Original" keeps the display aspect the input has (the scaler carries it over to
    // a new frame size), as "Original" leaves other options to the input.
    if (videoCodec == OptionNames::NotAvailable || leftOut(aspectRatio))
        return QStringLiteral(" ");
    return QStringLiteral(" -aspect ") + aspectRatio + QLatin1Char(' ');
}

QString EncoderFragments::frameSize(const QString &value)
{
    return leftOut(value) ? QStringLiteral(" ") : QStringLiteral(" -s ") + value + QLatin1Char(' ');
}

QString EncoderFragments::videoBitrate(const QString &value)
{
    if (leftOut(value))
        return QStringLiteral(" ");
    return QStringLiteral(" -b ") + NumericText::text(NumericText::value(value) * 1000);
}

QString EncoderFragments::frameRate(const QString &value)
{
    return leftOut(value) ? QStringLiteral(" ") : QStringLiteral(" -r ") + value + QLatin1Char(' ');
}

QString EncoderFragments::audioOff(const QString &disableAudio)
{
    return disableAudio == QLatin1String("No") ? QString() : QStringLiteral(" -an ");
}

QString EncoderFragments::audioBitrate(const QString &value)
{
    if (leftOut(value))
        return QStringLiteral(" ");
    return QStringLiteral(" -ab ") + NumericText::text(NumericText::value(value) * 1000);
}

QString EncoderFragments::sampleRate(const QString &value)
{
    return leftOut(value) ? QStringLiteral(" ")
                          : QStringLiteral(" -ar ") + value + QLatin1Char(' ');
}

QString EncoderFragments::channels(const QString &audioCodec, const QString &audioChannel)
{
    if (audioCodec == OptionNames::NotAvailable)
        return QStringLiteral(" ");
    return QStringLiteral(" -ac ") + audioChannel + QLatin1Char(' ');
}

QString EncoderFragments::overlay(const QString &place)
{
    static const QHash<QString, QString> expressions = {
        {"Top left corner", "overlay=10:10"},
        {"Top right corner", "overlay=main_w-overlay_w-10:10"},
        {"Bottom left corner", "overlay=10:main_h-overlay_h-10"},
        {"Bottom right corner", "overlay=main_w-overlay_w-5:main_h-overlay_h-5"},
        {"Center", "overlay=(main_w-overlay_w)/2:(main_h-overlay_h)/2"},
    };
    return expressions.value(place);
}

QString EncoderFragments::outputExtension(const QString &profileCaption)
{
    // The first "." from the fifth character on skips the one behind the number; the
    // ")" is looked for among the last nine characters.
    const qsizetype dot = profileCaption.indexOf(QLatin1Char('.'), 4);
    const qsizetype close =
        profileCaption.indexOf(QLatin1Char(')'), qMax<qsizetype>(0, profileCaption.size() - 9));
    if (dot < 0 || close < dot)
        return {};
    return profileCaption.mid(dot, close - dot);
}

QString EncoderFragments::baseName(const QString &path)
{
    return cutAtFirstDot(QFileInfo(path).fileName());
}

QString EncoderFragments::outputPath(const QString &folder, const QString &inputPath,
                                     const QString &extension, bool keepExisting)
{
    const QString prefix = folder + QLatin1Char('/');
    QString path = prefix + baseName(inputPath) + extension;
    while (keepExisting && QFileInfo::exists(path))
        path =
            prefix + cutAtFirstDot(QFileInfo(path).fileName()) + QStringLiteral("_New") + extension;
    return path;
}

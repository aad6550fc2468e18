// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The pieces of the encoder's command line, each carrying its own leading and trailing
// blanks: joined with nothing between them they give the exact command text, doubled
// blanks included.
class EncoderFragments
{
public:
    static QString videoCodec(const QString &value);
    static QString aspect(const QString &videoCodec, const QString &aspectRatio);
    static QString frameSize(const QString &value);
    static QString videoBitrate(const QString &value);
    static QString frameRate(const QString &value);
    static QString audioOff(const QString &disableAudio);
    static QString audioCodec(const QString &value);
    static QString audioBitrate(const QString &value);
    static QString sampleRate(const QString &value);
    static QString channels(const QString &audioCodec, const QString &audioChannel);

    // The overlay filter for a watermark place; empty for a place it does not know.
    static QString overlay(const QString &place);

    // ".mp4" of a chooser caption ending in "(*.mp4)"; empty when the caption has no
    // such ending.
    static QString outputExtension(const QString &profileCaption);
    // The file name without its folder, cut before its first ".".
    static QString baseName(const QString &path);
    // folder + "/" + base + extension; with keepExisting, "_New" is added until the name
    // is free.
    static QString outputPath(const QString &folder, const QString &inputPath,
                              const QString &extension, bool keepExisting);

private:
    // "Original" or "N/A" once surrounding blanks are trimmed: the option is left out.
    static bool leftOut(const QString &value);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/mediafacts.h"

#include <QString>

#include <functional>
#include <optional>

class QObject;
struct EncoderCommand;

// Whether a finished row's output is what was asked, read back by the encoder itself: it
// must hold a picture when the input has one and the options keep it, sound likewise, and
// last the clip's length within 1 s or 5 %, whichever is more. An encoder that ends with
// 0 after writing nothing, or after writing the first seconds only, is no success.
class OutputCheck
{
public:
    struct Expectation
    {
        bool video = false;
        bool audio = false;
        std::optional<double> seconds; // nothing when the input's length is unknown
    };
    static Expectation expected(const EncoderCommand &command, const MediaFacts &source);

    // Why the output falls short, in words for the user; empty when it holds what was
    // asked.
    static QString shortfall(const Expectation &asked, const MediaFacts &output);

    // Reads the file back and tells the shortfall (empty: fine). A container that records
    // no length (SWF) is read through to find it. done runs from the event loop; nothing
    // runs when context is destroyed first.
    static void check(const QString &encoder, const QString &path, const Expectation &asked,
                      QObject *context, const std::function<void(const QString &)> &done);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class EncoderCapabilities;
class MediaFacts;
struct EncoderCommand;

// The arguments that run for a row: its command adapted to the installed encoder, without
// the rounded clip length when the row runs to the file's end, with the picture chain its
// input needs, writing the hidden part (which is ours to replace) instead of the output.
// The command's text, which the user sees, stays as it was built.
QStringList RunArguments(const EncoderCommand &command, const EncoderCapabilities &capabilities,
                         const MediaFacts &source, const QString &part);

// SPDX-License-Identifier: GPL-3.0-or-later
// The player's identification report, as it arrives: in pieces, with CR, LF and an
// unfinished last line.
#include "fuzzinput.h"

#include "common/linesplitter.h"
#include "media/probereport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString report = QString::fromUtf8(fuzzBytes(data, size));
    const ProbeReport whole = ProbeReport::parse(report);
    (void)whole.formatText();
    (void)whole.sizeText();
    (void)whole.lengthText();

    // The lines come out the same however the output is cut into chunks.
    LineSplitter once;
    QStringList expected = once.feed(report);
    if (const QString rest = once.takeRest(); !rest.isEmpty())
        expected << rest;
    const qsizetype chunk = size ? 1 + data[0] % 32 : 1;
    LineSplitter pieces;
    QStringList got;
    for (qsizetype at = 0; at < report.size(); at += chunk)
        got << pieces.feed(report.mid(at, chunk));
    if (const QString rest = pieces.takeRest(); !rest.isEmpty())
        got << rest;
    FUZZ_EXPECT(got == expected);

    const ProbeReport fromLines = ProbeReport::parse(expected.join(QLatin1Char('\n')));
    (void)fromLines.lacksLength();
    return 0;
}

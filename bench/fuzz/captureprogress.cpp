// SPDX-License-Identifier: GPL-3.0-or-later
// The capture encoder's progress blocks, line by line.
#include "fuzzinput.h"

#include "capture/captureprogress.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r?\n|\r"));
    const QString text = QString::fromUtf8(fuzzBytes(data, size));
    CaptureProgress progress;
    for (const QString &line : text.split(lineEnd)) {
        (void)CaptureProgress::isProgressLine(line);
        progress.take(line);
        const CaptureStatistics statistics = progress.statistics();
        FUZZ_EXPECT(!progress.hasFrames() || statistics.framesRecorded > 0);
    }
    progress.reset();
    FUZZ_EXPECT(!progress.hasFrames() && !progress.ended());
    return 0;
}

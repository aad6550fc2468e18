// SPDX-License-Identifier: GPL-3.0-or-later
// Time texts both ways, and the numeric value of a text.
#include "fuzzinput.h"

#include "common/numerictext.h"
#include "common/timetext.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(fuzzBytes(data, size));
    (void)NumericText::value(text);
    (void)TimeText::secondsOrZero(text);
    if (const auto seconds = TimeText::seconds(text); seconds && *seconds >= 0) {
        FUZZ_EXPECT(TimeText::seconds(TimeText::clock(*seconds)) == seconds);
        FUZZ_EXPECT(TimeText::seconds(TimeText::paddedClock(*seconds)) == seconds);
    }
    if (size >= sizeof(qint64)) {
        qint64 n;
        std::memcpy(&n, data, sizeof n);
        n = n < 0 ? -(n + 1) : n; // any length a file may have, never below 0
        n %= qint64(1) << 40;
        FUZZ_EXPECT(TimeText::seconds(TimeText::clock(n)) == n);
        FUZZ_EXPECT(TimeText::secondsOrZero(TimeText::paddedClock(n)) == n);
    }
    return 0;
}

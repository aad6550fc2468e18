// SPDX-License-Identifier: GPL-3.0-or-later
// Tab-separated fields: a field never breaks its line or its row, the reader gives every
// field back, and any line at all is read or refused without harm.
#include "fuzzinput.h"

#include "common/tabtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    (void)TabText::fields(QString::fromUtf8(bytes));

    const QList<QByteArray> parts = fuzzParts(bytes, 4);
    QStringList fields;
    for (const QByteArray &part : parts)
        fields << QString::fromUtf8(part);
    const QString line = TabText::line(fields);
    FUZZ_EXPECT(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
    FUZZ_EXPECT(line.count(QLatin1Char('\t')) == fields.size() - 1);
    FUZZ_EXPECT(TabText::fields(line) == fields);
    return 0;
}

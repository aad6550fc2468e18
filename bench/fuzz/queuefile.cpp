// SPDX-License-Identifier: GPL-3.0-or-later
// The queue file kept between runs: any text is read whole or refused, and rows written
// read back as they were, whatever their names hold.
#include "fuzzinput.h"

#include "media/queuefile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    if (const auto rows = QueueFile::fromText(bytes))
        FUZZ_EXPECT(QueueFile::fromText(QueueFile::toText(*rows)) == rows);

    const QList<QByteArray> parts = fuzzParts(bytes, 5);
    const QueueFile::Row row = {QString::fromUtf8(parts[0]), QString::fromUtf8(parts[1]),
                                QString::fromUtf8(parts[2]), QString::fromUtf8(parts[3]),
                                QString::fromUtf8(parts[4])};
    const QList<QueueFile::Row> written = {row, row};
    // Every row of the list has a file; a row without one marks a damaged file.
    const auto read = QueueFile::fromText(QueueFile::toText(written));
    FUZZ_EXPECT(row.file.isEmpty() ? !read : read == written);
    return 0;
}

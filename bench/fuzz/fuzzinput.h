// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The input as bytes, and split at NUL into the parts a target asks for (the last part
// takes the rest), so one input can carry a file and the names that go with it.
inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline QList<QByteArray> fuzzParts(const QByteArray &bytes, int count)
{
    QList<QByteArray> parts;
    qsizetype from = 0;
    while (parts.size() + 1 < count) {
        const qsizetype nul = bytes.indexOf('\0', from);
        if (nul < 0)
            break;
        parts << bytes.mid(from, nul - from);
        from = nul + 1;
    }
    parts << bytes.mid(from);
    while (parts.size() < count)
        parts << QByteArray();
    return parts;
}

// A broken property is a finding like a crash: libFuzzer saves the input that shows it.
#define FUZZ_EXPECT(condition)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

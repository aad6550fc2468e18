// SPDX-License-Identifier: GPL-3.0-or-later
// Tab-separated output: a field never breaks its line or its row, and reading the
// escapes back gives the field.
#include "fuzzinput.h"

#include "common/tabtext.h"

namespace {
QString unescaped(const QString &field)
{
    QString text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != QLatin1Char('\\') || i + 1 == field.size()) {
            text += field[i];
            continue;
        }
        const QChar next = field[++i];
        text += next == QLatin1Char('t')   ? QChar('\t')
                : next == QLatin1Char('n') ? QChar('\n')
                : next == QLatin1Char('r') ? QChar('\r')
                                           : next;
    }
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = fuzzParts(fuzzBytes(data, size), 4);
    QStringList fields;
    for (const QByteArray &part : parts)
        fields << QString::fromUtf8(part);
    const QString line = TabText::line(fields);
    FUZZ_EXPECT(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
    const QStringList read = line.split(QLatin1Char('\t'));
    FUZZ_EXPECT(read.size() == fields.size());
    for (qsizetype i = 0; i < fields.size(); ++i)
        FUZZ_EXPECT(unescaped(read[i]) == fields[i]);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// settings.dat: read, write one key, read again. The input is the file, then (after NUL
// bytes) the section, the key and the value to write, and another key to read back.
#include "fuzzinput.h"

#include "settings/inifile.h"
#include "settings/windowplace.h"

namespace {
// Names as the program passes them: one line, no brackets or "=", no blanks around.
QString nameFrom(const QByteArray &bytes)
{
    QString name;
    for (const char c : bytes.left(16)) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '_' || c == ' ')
            name += QLatin1Char(c);
    }
    return name.trimmed();
}

// The line texts without their ends and without the "\r"s they end in: a line end
// written after a last line that has none may join a "\r" of it into "\r\n".
QList<QByteArray> lineTexts(const QByteArray &contents)
{
    QList<QByteArray> lines = contents.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        while (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

bool isSubsequence(const QList<QByteArray> &part, const QList<QByteArray> &whole)
{
    qsizetype at = 0;
    for (const QByteArray &line : whole) {
        if (at < part.size() && part[at] == line)
            ++at;
    }
    return at == part.size();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = fuzzParts(fuzzBytes(data, size), 5);
    const QByteArray &old = parts[0];
    const QString section = nameFrom(parts[1]);
    const QString key = nameFrom(parts[2]);
    // Values are what the settings dialog stores: printable, one line.
    QString value;
    for (const char c : parts[3].left(200)) {
        if (c >= ' ' && c <= '~')
            value += QLatin1Char(c);
    }
    const QString otherKey = nameFrom(parts[4]);

    const QString otherBefore = IniFile::readFrom(old, section, otherKey);
    const QByteArray written = IniFile::writeTo(old, section, key, value);

    // The value reads back as written, within the limits.
    const QString stored = value.left(IniFile::WriteLimit);
    FUZZ_EXPECT(IniFile::readFrom(written, section, key) ==
                stored.trimmed().left(IniFile::ReadLimit).trimmed());
    // Another key keeps its value.
    if (otherKey.compare(key, Qt::CaseInsensitive) != 0)
        FUZZ_EXPECT(IniFile::readFrom(written, section, otherKey) == otherBefore);

    // Every line the write did not change is kept, in its order: one line replaced, or
    // the key's line added (with its section's line when the section was missing).
    const QList<QByteArray> before = lineTexts(old);
    const QList<QByteArray> after = lineTexts(written);
    const qsizetype added = after.size() - before.size();
    FUZZ_EXPECT(added >= 0 && added <= 2);
    if (added == 0) {
        qsizetype changed = 0;
        for (qsizetype i = 0; i < before.size(); ++i)
            changed += before[i] != after[i];
        FUZZ_EXPECT(changed <= 1);
    } else {
        FUZZ_EXPECT(isSubsequence(before, after));
    }
    // A value with a line break is never written: it would make lines of its own.
    const QString raw = QString::fromUtf8(parts[3]);
    if (raw.contains(QLatin1Char('\n')) || raw.contains(QLatin1Char('\r')))
        FUZZ_EXPECT(IniFile::writeTo(old, section, key, raw) == old);

    // The window's place, as the file keeps it, on two screens side by side.
    if (const auto place = WindowPlace::fromText(raw)) {
        const QRect fitted = place->fittedTo({QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)});
        FUZZ_EXPECT(fitted.width() > 0 && fitted.height() > 0);
    }
    return 0;
}

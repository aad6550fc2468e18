// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/safefilename.h"

#include <QList>

namespace {
bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

// The longest start of text, whole characters only, that takes at most bytes in UTF-8.
QString cutToBytes(const QString &text, qsizetype bytes)
{
    qsizetype used = 0;
    qsizetype end = 0;
    for (const char32_t c : text.toUcs4()) {
        const qsizetype size = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (used + size > bytes)
            break;
        used += size;
        end += c >= 0x10000 ? 2 : 1;
    }
    return text.left(end);
}
} // namespace

QString SafeFileName::clean(const QString &text)
{
    QString clean;
    for (const char32_t c : text.toUcs4()) {
        if (!isControl(c) && c != U'/' && c != 0xfffe && c != 0xffff)
            clean += QString::fromUcs4(&c, 1);
    }
    clean = clean.trimmed();
    qsizetype lead = 0;
    while (lead < clean.size() &&
           (clean[lead] == u'-' || clean[lead] == u'.' || clean[lead].isSpace()))
        ++lead;
    return clean.mid(lead);
}

QString SafeFileName::make(const QString &title, const QString &suffix, const QString &videoId,
                           int reserve)
{
    QString base = clean(title);
    if (base.isEmpty())
        base = clean(videoId);
    if (base.isEmpty())
        base = QStringLiteral("video");
    const qsizetype room = MaxBytes - reserve - suffix.toUtf8().size();
    base = cutToBytes(base, room).trimmed();
    if (base.isEmpty())
        base = QStringLiteral("video");
    return base + suffix;
}

bool SafeFileName::isPlainName(const QString &name)
{
    return !name.isEmpty() && clean(name) == name && name.toUtf8().size() <= MaxBytes;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/markuptext.h"

#include <QHash>
#include <QRegularExpression>

namespace {
// The names pages use in text; any other stays as written, as a browser leaves an
// unknown one.
const QHash<QString, QString> &names()
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("copy"), QStringLiteral("©")},
        {QStringLiteral("reg"), QStringLiteral("®")},
        {QStringLiteral("hellip"), QStringLiteral("…")},
        {QStringLiteral("mdash"), QStringLiteral("—")},
        {QStringLiteral("ndash"), QStringLiteral("–")},
        {QStringLiteral("laquo"), QStringLiteral("«")},
        {QStringLiteral("raquo"), QStringLiteral("»")},
        {QStringLiteral("eacute"), QStringLiteral("é")},
    };
    return table;
}

bool isLineBreak(const QString &tag)
{
    static const QRegularExpression br(QStringLiteral("^<\\s*br\\b[^>]*>$"),
                                       QRegularExpression::CaseInsensitiveOption);
    return br.match(tag).hasMatch();
}
} // namespace

qsizetype MarkupText::reference(const QString &html, qsizetype at, QString &decoded)
{
    static const QRegularExpression form(
        QStringLiteral("\\G&(?:#(\\d{1,7})|#[xX]([0-9A-Fa-f]{1,6})|([A-Za-z]{2,8}));"));
    const QRegularExpressionMatch match = form.match(html, at);
    if (!match.hasMatch())
        return 0;
    if (match.hasCaptured(3)) {
        const auto it = names().constFind(match.captured(3));
        if (it == names().constEnd())
            return 0;
        decoded = *it;
        return match.capturedLength();
    }
    const uint code =
        match.hasCaptured(1) ? match.captured(1).toUInt() : match.captured(2).toUInt(nullptr, 16);
    // What no character is, and what would end a line, becomes the replacement mark.
    const bool usable = code >= 0x20 && code <= 0x10ffff && !(code >= 0xd800 && code <= 0xdfff) &&
                        !(code >= 0x7f && code <= 0x9f);
    const char32_t c = usable ? char32_t(code) : char32_t(0xfffd);
    decoded = QString::fromUcs4(&c, 1);
    return match.capturedLength();
}

QString MarkupText::toPlain(const QString &html)
{
    QString text;
    text.reserve(html.size());
    // Past the last ">" no tag can end: no search from there on.
    const qsizetype lastClose = html.lastIndexOf(u'>');
    for (qsizetype i = 0; i < html.size();) {
        const QChar c = html[i];
        const QChar next = i + 1 < html.size() ? html[i + 1] : QChar();
        // "a < b" is text; a tag starts with a name, "/" or "!".
        const qsizetype end =
            c == u'<' && i < lastClose && (next.isLetter() || next == u'/' || next == u'!')
                ? html.indexOf(u'>', i)
                : -1;
        if (end > i) {
            const bool lineBreak = isLineBreak(html.mid(i, end - i + 1));
            i = end + 1;
            if (lineBreak) {
                text += u'\n';
                // The page's own line end after a "<br>" is the same break.
                if (html.mid(i, 2) == QLatin1String("\r\n"))
                    i += 2;
                else if (i < html.size() && html[i] == u'\n')
                    ++i;
            }
            continue;
        }
        QString decoded;
        const qsizetype length = c == u'&' ? reference(html, i, decoded) : 0;
        if (length > 0) {
            text += decoded;
            i += length;
        } else {
            text += c;
            ++i;
        }
    }
    return text;
}

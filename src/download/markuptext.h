// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A piece of a page's HTML as a browser shows it, as plain text that is never
// interpreted again: character references decoded, "<br>" a line break, other tags
// dropped. The page's own blanks and line ends stay as they are, as the description's
// box has always shown them.
class MarkupText
{
public:
    static QString toPlain(const QString &html);

private:
    // The character a reference after "&" stands for, and the length it takes up to and
    // including ";"; 0 when there is none there.
    static qsizetype reference(const QString &html, qsizetype at, QString &decoded);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The name a downloaded file gets from the video's title: a plain name inside its
// folder whatever the page said.
class SafeFileName
{
public:
    // The longest name a Linux file system takes, in bytes.
    static constexpr int MaxBytes = 255;
    // Room kept for the ".part" of the file while it arrives.
    static constexpr int PartSuffixBytes = 5;

    // title + suffix, with control characters, "/" and NUL left out, blanks around it
    // trimmed, no leading "-" or ".", and cut on a character boundary so that the name
    // with ".part" added still fits. An empty title gives way to the id, an empty id to
    // "video".
    // reserve: the bytes kept free for what a downloader adds to the name while it works.
    static QString make(const QString &title, const QString &suffix, const QString &videoId,
                        int reserve = PartSuffixBytes);
    // Whether name can be used as it is for a file inside a folder.
    static bool isPlainName(const QString &name);

private:
    static QString clean(const QString &text);
};

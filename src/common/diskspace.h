// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Room on the file system a file is written to, and the one way a write that the disk
// refused for lack of it is told: the system's own words with the folder, so the user
// knows where to make room, whatever wrote the file (Klevar itself or a child program).
class DiskSpace
{
public:
    // Less room than this is a full disk: what fails to fit leaves at most a block or a
    // buffer free.
    static constexpr qint64 FullBelowBytes = 64 * 1024;

    // "No space left on device: /folder".
    static QString noSpaceText(const QString &folder);
    // Bytes this user may still write where folder lies; -1 when that cannot be told.
    static qint64 freeBytes(const QString &folder);
    static bool isFull(const QString &folder);
    // Whether a child program's words say that the disk was full.
    static bool saysNoSpace(const QString &text);

    // Why writing path failed: the no-space text when the disk is full, else "Cannot write
    // path: reason".
    static QString writeFailure(const QString &path, const QString &reason);
    // The same for a system call's error number.
    static QString writeFailure(const QString &path, int errorNumber);
};

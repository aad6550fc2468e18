// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

// A small file system of the test's own (tmpfs), for what happens when a disk is full.
// Mounting needs root; elsewhere isMounted() is false and why() says so, for a skip.
class SmallDisk
{
public:
    explicit SmallDisk(int kibibytes);
    ~SmallDisk();

    bool isMounted() const { return m_mounted; }
    QString why() const { return m_why; }
    // Ends in "/".
    QString path() const;
    // Takes every free block with a file of its own; true once nothing more fits.
    bool fill();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};

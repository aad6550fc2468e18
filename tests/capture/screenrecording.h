// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/childprogram.h"

#include <QString>

// Helpers of the tests that record a real X screen.
namespace ScreenRecording {
// The frames of a file's video as the encoder reads them back; -1 when it cannot.
qint64 frameCount(const QString &path);
// The files of a folder, hidden ones too.
QStringList filesIn(const QString &folder);
bool processExists(qint64 pid);

// An X server of the test's own, to be closed in the middle of a recording.
class OwnDisplay
{
public:
    OwnDisplay();
    QString name() const { return m_name; } // empty when it did not start
    void close();

private:
    ChildProgram m_server;
    QString m_name;
};
} // namespace ScreenRecording

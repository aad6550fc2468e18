// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The file a recording goes to. The encoder writes a hidden file beside it, which takes
// the file's name only when the recording is finished: a recording that fails never
// leaves half a file under the name, nor destroys the file it was to replace.
class RecordingTarget
{
public:
    RecordingTarget() = default;
    ~RecordingTarget();
    RecordingTarget(const RecordingTarget &) = delete;
    RecordingTarget &operator=(const RecordingTarget &) = delete;

    // Makes the hidden file beside path; false with error() when the folder is missing
    // or cannot be written.
    bool prepare(const QString &path);
    QString target() const { return m_target; }
    QString workFile() const { return m_work; }
    bool isPrepared() const { return !m_work.isEmpty(); }

    QString folder() const;

    // The hidden file takes the target's name, replacing a file there; false with
    // error() when it cannot, or when the hidden file is no longer a regular file of ours.
    bool finish();
    // The hidden file stays under its name, for a recording the encoder could not end;
    // its path.
    QString keepHidden();
    // The hidden file goes; the target is left as it was.
    void discard();

    QString error() const { return m_error; }

private:
    QString m_target;
    QString m_work;
    QString m_error;
};

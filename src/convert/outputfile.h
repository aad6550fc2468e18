// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The file a row writes, written whole or not at all. The encoder writes to a hidden
// name beside it (same folder, so the rename cannot cross file systems; same extension,
// so the encoder picks the same container), and only a finished file takes the final
// name: a failed, stopped or cut row never leaves a broken file there, nor destroys an
// earlier result of the same name.
class OutputFile
{
public:
    // Smaller files are no result: the encoder wrote no more than its headers.
    static constexpr qint64 MinimumBytes = 100;

    explicit OutputFile(const QString &finalPath = QString());

    QString finalPath() const { return m_final; }
    QString partPath() const { return m_part; }
    static QString partPathFor(const QString &finalPath);

    // Makes the part afresh, removing one an earlier run left behind, so the encoder
    // writes into a file of ours; false, with error(), when something else holds its
    // name (a link, a pipe, another user's file), which is left as it is.
    bool prepare();
    // The part is still a regular file of ours and holds at least MinimumBytes.
    bool isUsable() const;
    // Puts the part under the final name, replacing an earlier file only when replace is
    // true; false, with the reason in error(), when it could not.
    bool commit(bool replace);
    // What a cancelled row leaves: a usable part takes the final name or, when that is
    // taken, the next free name as the "keep" rule makes them ("_New" added); an unusable
    // one goes. The name it took, or empty; a part that could take none stays hidden.
    QString keepPartial();
    // Removes the part.
    void discard() const;
    QString error() const { return m_error; }

private:
    QString m_final;
    QString m_part;
    QString m_error;
};

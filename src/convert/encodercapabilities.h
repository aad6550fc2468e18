// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;
struct EncoderCommand;

// Which encoders the installed encoder program has, and what that means for the
// arguments that run. The command text stays exactly as built; only the argument list
// is adapted: an encoder the program lacks is replaced by its built-in equivalent, and
// options written after the output file (which the program ignores there) move before it.
class EncoderCapabilities
{
public:
    // Unknown: nothing is substituted.
    EncoderCapabilities() = default;
    // From the listing of "-hide_banner -encoders".
    static EncoderCapabilities fromListing(const QString &listing);

    bool isKnown() const { return m_known; }
    bool has(const QString &encoder) const { return m_encoders.contains(encoder); }
    // The built-in stand-in for an encoder that may be missing; empty when there is none.
    static QString builtInEquivalent(const QString &encoder);

    QStringList adapt(const EncoderCommand &command) const;

    // A program that has not answered after this long is taken to have no list.
    static constexpr int QueryTimeoutMs = 5000;

    // Asks the program once per process, in the background; later calls, and calls while
    // it is being asked, get that one answer, whatever it was. done runs from the event
    // loop, never before query() returns; nothing runs when context is destroyed first.
    static void query(const QString &program, QObject *context,
                      const std::function<void(const EncoderCapabilities &)> &done);

private:
    static void ask(const QString &program);
    QStringList substituted(QStringList arguments) const;

    QSet<QString> m_encoders;
    bool m_known = false;
};

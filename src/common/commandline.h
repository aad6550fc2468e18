// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A child program's command line, built from fragments. The text is what users and
// tests see, blanks and quotes as written; the argument list is what runs, without a
// shell. Plain text is split at blanks into arguments; a quoted or bare argument is
// always exactly one argument whatever it holds, so no file name can change what runs.
class CommandLine
{
public:
    // Plain text: kept in the text with its blanks, split at blanks into arguments.
    CommandLine &addText(const QString &text);
    // One argument, shown between double quotes (a path).
    CommandLine &addQuoted(const QString &argument);
    // One argument, shown as it is, without quotes.
    CommandLine &addBare(const QString &argument);

    QString text() const;
    // The program followed by its arguments.
    QStringList argv() const;
    QString program() const;
    QStringList arguments() const;
    bool isEmpty() const { return m_fragments.isEmpty(); }

private:
    enum class Kind { Text, Quoted, Bare };
    struct Fragment
    {
        Kind kind;
        QString value;
    };
    QList<Fragment> m_fragments;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QTextStream;

// Reads the arguments of a command-line mode the same way for every mode: the options
// it knows, each followed by one value ("--output DIR"), and its plain arguments (files,
// an address) in the order given. "--" ends the options, so a name that begins with "-"
// follows it; before it, such a name is an unknown option.
class ArgumentReader
{
public:
    // The exit code of a mode whose arguments cannot be used.
    static constexpr int UsageError = 2;

    ArgumentReader(const QStringList &arguments, const QStringList &valueOptions = {});

    // Why the arguments cannot be read; empty when they can.
    QString error() const { return m_error; }
    bool has(const QString &option) const { return m_values.contains(option); }
    // The option's value, the last one when it was given twice; empty when not given.
    QString value(const QString &option) const { return m_values.value(option); }
    QStringList plain() const { return m_plain; }

    // How every mode refuses: "klevar: " and the reason on err, and UsageError.
    static int refuse(QTextStream &err, const QString &why);

private:
    QHash<QString, QString> m_values;
    QStringList m_plain;
    QString m_error;
};

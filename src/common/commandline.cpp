// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/commandline.h"

CommandLine &CommandLine::addText(const QString &text)
{
    m_fragments.append({Kind::Text, text});
    return *this;
}

CommandLine &CommandLine::addQuoted(const QString &argument)
{
    m_fragments.append({Kind::Quoted, argument});
    return *this;
}

CommandLine &CommandLine::addBare(const QString &argument)
{
    m_fragments.append({Kind::Bare, argument});
    return *this;
}

QString CommandLine::text() const
{
    QString text;
    for (const Fragment &f : m_fragments) {
        if (f.kind == Kind::Quoted)
            text += QLatin1Char('"') + f.value + QLatin1Char('"');
        else
            text += f.value;
    }
    return text;
}

QStringList CommandLine::argv() const
{
    QStringList args;
    for (const Fragment &f : m_fragments) {
        if (f.kind == Kind::Text)
            args += f.value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        else
            args += f.value;
    }
    return args;
}

QString CommandLine::program() const
{
    const QStringList args = argv();
    return args.isEmpty() ? QString() : args.first();
}

QStringList CommandLine::arguments() const
{
    QStringList args = argv();
    if (!args.isEmpty())
        args.removeFirst();
    return args;
}

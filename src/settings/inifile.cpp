// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inifile.h"

#include "common/safefile.h"

#include <QFile>
#include <QList>

namespace {
// One line of the file: its text without the line end, and where it lies.
struct Line
{
    qsizetype start;
    qsizetype length;    // without the line end
    qsizetype endLength; // 0, 1 ("\n") or 2 ("\r\n")
};

QList<Line> splitLines(const QByteArray &contents)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < contents.size()) {
        const qsizetype lf = contents.indexOf('\n', start);
        if (lf < 0) {
            lines.append({start, contents.size() - start, 0});
            break;
        }
        const bool crlf = lf > start && contents[lf - 1] == '\r';
        lines.append({start, lf - start - (crlf ? 1 : 0), crlf ? 2 : 1});
        start = lf + 1;
    }
    return lines;
}

QString lineText(const QByteArray &contents, const Line &line)
{
    return QString::fromUtf8(contents.constData() + line.start, line.length);
}

// The section a "[name]" line opens, or a null text for other lines.
QString sectionName(const QString &text)
{
    const QString t = text.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return {};
    return t.mid(1, close - 1).trimmed();
}

bool isKeyLine(const QString &text, const QString &key, QString *value = nullptr)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0 || text.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return false;
    if (value)
        *value = text.mid(eq + 1);
    return true;
}

bool sameName(const QString &a, const QString &b)
{
    return !a.isNull() && a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray lineEndOf(const QByteArray &contents)
{
    return contents.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}
} // namespace

QString IniFile::readFrom(const QByteArray &contents, const QString &section, const QString &key)
{
    bool inSection = false;
    for (const Line &line : splitLines(contents)) {
        const QString text = lineText(contents, line);
        const QString name = sectionName(text);
        if (!name.isNull()) {
            inSection = sameName(name, section);
            continue;
        }
        QString value;
        if (inSection && isKeyLine(text, key, &value))
            return value.trimmed().left(ReadLimit).trimmed();
    }
    return {};
}

QByteArray IniFile::writeTo(const QByteArray &contents, const QString &section, const QString &key,
                            const QString &value)
{
    // A line break would end the line early and write what follows as lines of their own
    // (a folder named "a\n[Settings]\nprofile=9" would set the profile): not written.
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        return contents;
    const QByteArray eol = lineEndOf(contents);
    const QByteArray entry = key.toUtf8() + '=' + value.left(WriteLimit).toUtf8();
    const QList<Line> lines = splitLines(contents);
    qsizetype insertAt = -1; // after the last key line of the section
    bool inSection = false;
    for (const Line &line : lines) {
        const QString text = lineText(contents, line);
        const QString name = sectionName(text);
        if (!name.isNull()) {
            if (inSection)
                break;
            inSection = sameName(name, section);
            if (inSection)
                insertAt = line.start + line.length + line.endLength;
            continue;
        }
        if (!inSection)
            continue;
        if (isKeyLine(text, key)) {
            QByteArray result = contents;
            return result.replace(line.start, line.length, entry);
        }
        if (!text.trimmed().isEmpty())
            insertAt = line.start + line.length + line.endLength;
    }
    QByteArray result = contents;
    if (insertAt < 0) {
        if (!result.isEmpty() && !result.endsWith('\n'))
            result += eol;
        return result + '[' + section.toUtf8() + ']' + eol + entry + eol;
    }
    // A section whose last line has no line end gets one before the new key.
    QByteArray insertion = entry + eol;
    if (insertAt > 0 && result[insertAt - 1] != '\n')
        insertion.prepend(eol);
    return result.insert(insertAt, insertion);
}

QString IniFile::read(const QString &path, const QString &section, const QString &key)
{
    QFile file(path);
    if (!SafeFile::openForReading(file))
        return {};
    return readFrom(file.readAll(), section, key);
}

bool IniFile::write(const QString &path, const QString &section, const QString &key,
                    const QString &value)
{
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        return false;
    QByteArray contents;
    QFile old(path);
    if (old.exists()) {
        // Never replace a file we could not read, nor write through a link.
        if (!SafeFile::writeRefusal(path).isEmpty() || !SafeFile::openForReading(old))
            return false;
        contents = old.readAll();
        old.close();
    }
    return SafeFile::writeWhole(path, writeTo(contents, section, key, value));
}

QString ReadIni(const QString &path, const QString &section, const QString &key)
{
    return IniFile::read(path, section, key);
}

void WriteIni(const QString &path, const QString &section, const QString &key, const QString &value)
{
    IniFile::write(path, section, key, value);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/queuefile.h"

#include "common/safefile.h"
#include "common/tabtext.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

namespace {
const QByteArray Header = QByteArrayLiteral("klevar queue 1\n");
constexpr int FieldCount = 5;
// Far beyond any queue a user builds; a bigger file is not one of ours.
constexpr qint64 LargestFile = 64 * 1024 * 1024;
} // namespace

QByteArray QueueFile::toText(const QList<Row> &rows)
{
    QString text;
    for (const Row &row : rows) {
        text += TabText::line({row.file, row.start, row.end, row.watermark, row.status});
        text += QLatin1Char('\n');
    }
    return Header + text.toUtf8();
}

std::optional<QList<QueueFile::Row>> QueueFile::fromText(const QByteArray &text)
{
    if (!text.startsWith(Header) || !text.endsWith('\n'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString body = utf8(text.mid(Header.size()));
    if (utf8.hasError())
        return std::nullopt;
    QList<Row> rows;
    QStringList lines = body.split(QLatin1Char('\n'));
    lines.removeLast(); // after the last line's end
    for (const QString &line : lines) {
        const auto fields = TabText::fields(line);
        if (!fields || fields->size() != FieldCount || fields->at(0).isEmpty())
            return std::nullopt;
        rows << Row{fields->at(0), fields->at(1), fields->at(2), fields->at(3), fields->at(4)};
    }
    return rows;
}

bool QueueFile::write(const QString &path, const QList<Row> &rows, QString *error)
{
    return SafeFile::writeWhole(path, toText(rows), error);
}

QString QueueFile::setAsideName(const QString &path)
{
    return path + QStringLiteral(".unreadable");
}

QueueFile::Reading QueueFile::read(const QString &path)
{
    Reading reading;
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink())
        return reading;
    QString why;
    std::optional<QList<Row>> rows;
    if (SafeFile::openForReading(file, &why)) {
        if (file.size() > LargestFile)
            why = QStringLiteral("it is too large");
        else if (!(rows = fromText(file.readAll())))
            why = QStringLiteral("it is not a queue file, or it is damaged");
        file.close();
    }
    if (rows) {
        reading.rows = *rows;
        return reading;
    }
    reading.error = why;
    const QString aside = setAsideName(path);
    QFile::remove(aside);
    if (QFile::rename(path, aside))
        reading.setAsideAs = aside;
    return reading;
}

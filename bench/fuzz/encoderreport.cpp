// SPDX-License-Identifier: GPL-3.0-or-later
// What the encoder writes: its report on an input, its progress lines, and the
// statistics file whose last complete line the run reads.
#include "fuzzinput.h"

#include "convert/encoderposition.h"
#include "convert/encoderstatistics.h"
#include "media/mediafacts.h"
#include "media/probereport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <unistd.h>

namespace {
QString statisticsFile()
{
    // In memory where the machine has it: a file on disk for every run is slow.
    static const QString folder = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                      ? QStringLiteral("/dev/shm")
                                      : QDir::tempPath();
    static const QString path =
        QStringLiteral("%1/klevar-fuzz-statistics-%2.log").arg(folder).arg(::getpid());
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString report = QString::fromUtf8(bytes);

    const MediaFacts facts = MediaFacts::parse(report);
    (void)facts.isHdr();
    (void)facts.isInterlaced();
    (void)facts.isHighBitDepth();
    (void)facts.isEightBit420();
    (void)facts.chroma();
    (void)ProbeReport::encoderDuration(report);

    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]"));
    for (const QString &line : report.split(lineEnd)) {
        const auto seconds = EncoderPosition::seconds(line);
        if (!seconds)
            continue;
        FUZZ_EXPECT(*seconds >= 0);
        for (const qint64 clip : {qint64(0), qint64(1), qint64(7), qint64(86400)}) {
            if (const auto percent = EncoderPosition::percent(*seconds, clip))
                FUZZ_EXPECT(*percent >= 0 && *percent <= 100);
        }
    }

    // The statistics file: the line before the last line end, without its CR; nothing
    // while the encoder has not finished a line after the first.
    QFile file(statisticsFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(bytes);
    file.close();
    const qsizetype end = bytes.lastIndexOf('\n');
    QByteArray last;
    if (end >= 0) {
        last = bytes.left(end);
        last = last.mid(last.lastIndexOf('\n') + 1);
        if (last.endsWith('\r'))
            last.chop(1);
    }
    FUZZ_EXPECT(ReadLastLineOfFile(statisticsFile()) == QString::fromUtf8(last));
    return 0;
}

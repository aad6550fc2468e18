#pragma once

#include "common/linesplitter.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

// What the encoder wrote, as it arrives: only the last lines are kept, in memory, to
// tell the user why a row failed. Its running status lines are not kept.
class EncoderLog
{
public:
    static constexpr int KeptLines = 40;
    static constexpr int SummaryLines = 3;

    void feed(const QByteArray &chunk);
    // The encoder has ended: an unfinished last line counts too.
    void finish();

    QStringList lastLines() const { return m_lines; }
    // The most telling of the last lines: error reports before anything else, the
    // closing "Conversion failed!" left out, which says nothing of the cause.
    QString failureSummary() const;

private:
    void keep(const QString &line);

    QStringDecoder m_decoder{QStringDecoder::Utf8};
    LineSplitter m_splitter;
    QStringList m_lines;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/queuekeeper.h"

#include "common/safefile.h"
#include "media/conversionlist.h"
#include "media/mediaprobe.h"

#include <QFileInfo>

namespace {
QString files(int count)
{
    return count == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(count);
}
} // namespace

QueueKeeper::QueueKeeper(ConversionList *list, MediaProbe *probe, const QString &path,
                         QObject *parent)
    : QObject(parent), m_list(list), m_probe(probe), m_path(path)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(WriteDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &QueueKeeper::flush);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(list, signal, this, &QueueKeeper::changed);
    connect(list, &QAbstractItemModel::rowsMoved, this, &QueueKeeper::changed);
    connect(list, &QAbstractItemModel::modelReset, this, &QueueKeeper::changed);
    connect(list, &QAbstractItemModel::dataChanged, this, &QueueKeeper::changed);
    connect(probe, &MediaProbe::waitingChanged, this, &QueueKeeper::changed);
}

QList<QueueFile::Row> QueueKeeper::rows() const
{
    QList<QueueFile::Row> rows;
    for (int row = 0; row < m_list->count(); ++row) {
        rows << QueueFile::Row{
            m_list->text(row, ConversionList::FileName), m_list->text(row, ConversionList::Start),
            m_list->text(row, ConversionList::End), m_list->text(row, ConversionList::Watermark),
            m_list->text(row, ConversionList::Status)};
    }
    return rows + m_probe->waitingRows();
}

void QueueKeeper::changed()
{
    if (!m_delay.isActive())
        m_delay.start();
}

void QueueKeeper::flush()
{
    m_delay.stop();
    const QByteArray text = QueueFile::toText(rows());
    if (text == m_written)
        return;
    QString why;
    if (!SafeFile::writeWhole(m_path, text, &why)) {
        if (!m_failing)
            Q_EMIT writeFailed(why);
        m_failing = true;
        return;
    }
    m_failing = false;
    m_written = text;
}

void QueueKeeper::finish()
{
    flush();
    disconnect(m_list, nullptr, this, nullptr);
    disconnect(m_probe, nullptr, this, nullptr);
}

QueueKeeper::Restored QueueKeeper::restore()
{
    const QueueFile::Reading reading = QueueFile::read(m_path);
    Restored restored;
    restored.error = reading.error;
    restored.setAsideAs = reading.setAsideAs;
    if (reading.error.isEmpty())
        m_written = QueueFile::toText(reading.rows);
    for (const QueueFile::Row &row : reading.rows) {
        if (row.status == QLatin1String("OK"))
            continue;
        if (!QFileInfo(row.file).isFile()) {
            ++restored.missing;
            continue;
        }
        // Whatever it read before, the row waits to be converted again.
        QueueFile::Row kept = row;
        kept.status.clear();
        m_probe->addKeptRow(kept);
        ++restored.rows;
    }
    return restored;
}

QString QueueKeeper::restoredText(const Restored &restored)
{
    if (!restored.error.isEmpty()) {
        QString text =
            QStringLiteral("The queue of the last run could not be read (%1)").arg(restored.error);
        if (!restored.setAsideAs.isEmpty())
            text += QStringLiteral("; it was kept as %1").arg(restored.setAsideAs);
        return text + QLatin1Char('.');
    }
    QStringList parts;
    if (restored.rows > 0)
        parts << QStringLiteral("Restored %1 not yet converted").arg(files(restored.rows));
    if (restored.missing > 0)
        parts << QStringLiteral("%1 of the queue no longer found").arg(files(restored.missing));
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

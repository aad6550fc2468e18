// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/streamdownload.h"

#include "common/diskspace.h"
#include "common/safefile.h"
#include "download/inettransfer.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
constexpr qint64 BlockSize = 256 * 1024;

// The first byte and the full length of "bytes FIRST-LAST/LENGTH"; -1 for what is not
// there (a length of "*" is unknown).
std::pair<qint64, qint64> contentRange(const QByteArray &header)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*bytes\\s+(\\d+)-(\\d+)/(\\d+|\\*)\\s*$"));
    const QRegularExpressionMatch match = form.match(QString::fromLatin1(header));
    if (!match.hasMatch())
        return {-1, -1};
    const qint64 length =
        match.captured(3) == QLatin1String("*") ? -1 : match.captured(3).toLongLong();
    return {match.captured(1).toLongLong(), length};
}
} // namespace

StreamDownload::StreamDownload(QObject *parent)
    : DownloadTask(parent), m_transfer(new InetTransfer(this)),
      m_buffer(BlockSize, Qt::Uninitialized)
{
    connect(m_transfer, &InetTransfer::headersReceived, this, &StreamDownload::answerArrived);
    connect(m_transfer, &InetTransfer::readyRead, this, &StreamDownload::drain);
    connect(m_transfer, &InetTransfer::finished, this, &StreamDownload::transferFinished);
}

StreamDownload::~StreamDownload()
{
    cancel();
}

bool StreamDownload::DownloadStream(const QUrl &url, const QString &folder, const QString &fileName,
                                    const InetTransfer::Headers &headers)
{
    if (m_running)
        return false;
    ++m_generation;
    m_url = url;
    m_headers = headers;
    m_final = folder + fileName;
    m_restarted = false;
    m_running = true;
    m_offset = 0;
    // Nothing is fetched for a name that is no file of ours: a link or a pipe planted
    // there is left alone, and so is whatever it leads to.
    QString refusal = SafeFile::writeRefusal(partPath());
    if (refusal.isEmpty())
        refusal = SafeFile::writeRefusal(m_final);
    if (!refusal.isEmpty()) {
        later([this, refusal] { fail(refusal); });
        return true;
    }
    const QFileInfo part(partPath());
    m_offset = part.exists() ? part.size() : 0;
    request();
    return true;
}

void StreamDownload::request()
{
    m_restart = false;
    // What the stream's own headers say about the encoding or the range is ours to say.
    InetTransfer::Headers headers = {{"Accept-Encoding", "identity"}};
    for (const auto &[name, value] : m_headers) {
        const QByteArray lower = name.toLower();
        if (lower != "accept-encoding" && lower != "range")
            headers.append({name, value});
    }
    if (m_offset > 0)
        headers.append({"Range", "bytes=" + QByteArray::number(m_offset) + '-'});
    if (!m_transfer->get(m_url, headers)) {
        const QString why = QStringLiteral("\"%1\" is not a web address.").arg(m_url.toString());
        later([this, why] { fail(why); });
    }
}

void StreamDownload::answerArrived()
{
    const int status = m_transfer->statusCode();
    if (status < 200 || status >= 300) {
        // 416: the ".part" no longer fits what the server has; anything else fails
        // when the answer ends, without a file.
        m_restart = status == 416 && m_offset > 0 && !m_restarted;
        return;
    }
    qint64 total = m_transfer->contentLength();
    if (total == InetTransfer::GarbledLength) {
        const QString why = QStringLiteral("The server's Content-Length \"%1\" is not a number.")
                                .arg(QString::fromLatin1(m_transfer->header("Content-Length")));
        m_transfer->cancel();
        later([this, why] { fail(why); });
        return;
    }
    bool append = false;
    if (m_offset > 0) {
        const auto [first, length] = contentRange(m_transfer->header("Content-Range"));
        if (status == 206 && first == m_offset) {
            append = true;
            total = length >= 0 ? length : total >= 0 ? m_offset + total : -1;
        } else if (status == 206) {
            // Some other part than asked for: useless here, so start over.
            m_restart = !m_restarted;
            m_transfer->cancel();
            later([this] { transferFinished(false); });
            return;
        } else {
            m_offset = 0; // the server sends the whole stream again
        }
    }
    if (!openPart(append))
        return;
    m_progress.start(m_offset, total);
    Q_EMIT started(total);
    if (m_offset > 0 && m_progress.totalKnown())
        Q_EMIT percentChanged(DownloadProgress::percent(m_offset, total));
}

bool StreamDownload::openPart(bool append)
{
    m_file.setFileName(partPath());
    QString why;
    if (SafeFile::openForWriting(m_file,
                                 append ? SafeFile::Write::Append : SafeFile::Write::Replace, &why))
        return true;
    m_transfer->cancel();
    later([this, why] { fail(why); });
    return false;
}

void StreamDownload::drain()
{
    if (!m_file.isOpen())
        return;
    while (m_transfer->bytesAvailable() > 0) {
        const qint64 got = m_transfer->read(m_buffer.data(), m_buffer.size());
        if (got <= 0)
            break;
        if (m_file.write(m_buffer.constData(), got) != got) {
            const QString why = DiskSpace::writeFailure(partPath(), m_file.errorString());
            m_transfer->cancel();
            fail(why);
            return;
        }
        for (const int percent : m_progress.add(got))
            Q_EMIT percentChanged(percent);
    }
}

void StreamDownload::transferFinished(bool ok)
{
    if (!m_running)
        return;
    if (m_restart) {
        restartFromTheStart();
        return;
    }
    if (ok)
        drain();
    if (!m_running)
        return;
    const bool cutShort =
        m_file.isOpen() && m_progress.totalKnown() && m_progress.received() != m_progress.total();
    const QString shortText = QStringLiteral("The stream ended after %1 of %2 bytes")
                                  .arg(m_progress.received())
                                  .arg(m_progress.total());
    if (!ok) {
        fail(cutShort ? shortText + QStringLiteral(": ") + m_transfer->errorText()
                      : m_transfer->errorText());
    } else if (!m_file.isOpen()) {
        fail(QStringLiteral("The server sent no stream."));
    } else if (cutShort) {
        fail(shortText + QLatin1Char('.'));
    } else {
        complete();
    }
}

void StreamDownload::restartFromTheStart()
{
    m_file.close();
    m_restarted = true;
    m_offset = 0;
    request();
}

void StreamDownload::complete()
{
    if (!m_file.flush()) {
        fail(DiskSpace::writeFailure(partPath(), m_file.errorString()));
        return;
    }
    m_file.close();
    // rename() replaces an earlier file of the name in one step, so that file stays
    // whole until the new one is.
    if (std::rename(QFile::encodeName(partPath()).constData(),
                    QFile::encodeName(m_final).constData()) != 0) {
        fail(QStringLiteral("Cannot rename %1 to %2: %3")
                 .arg(partPath(), m_final, QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    m_running = false;
    Q_EMIT finished(true, QString());
}

void StreamDownload::fail(const QString &error)
{
    if (!m_running)
        return;
    m_file.close();
    m_running = false;
    Q_EMIT finished(false, error);
}

void StreamDownload::cancel()
{
    if (!m_running)
        return;
    ++m_generation;
    m_transfer->cancel();
    m_file.close();
    m_running = false;
}

void StreamDownload::later(std::function<void()> step)
{
    // Only for the download that asked: a stop or a new start in between drops it.
    const quint64 generation = m_generation;
    QTimer::singleShot(0, this, [this, generation, step] {
        if (generation == m_generation)
            step();
    });
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/thumbnailsaver.h"

#include "common/programplaces.h"
#include "common/safefile.h"
#include "download/inettransfer.h"
#include "download/safefilename.h"

#include <QDir>
#include <QUrl>

ThumbnailSaver::ThumbnailSaver(QObject *parent)
    : QObject(parent), m_transfer(new InetTransfer(this))
{
    connect(m_transfer, &InetTransfer::finished, this, &ThumbnailSaver::transferFinished);
    connect(m_transfer, &InetTransfer::readyRead, this, [this] {
        if (m_transfer->bytesAvailable() > MaxBytes) {
            m_transfer->cancel();
            transferFinished(false);
        }
    });
}

QString ThumbnailSaver::pathFor(const QString &fileName)
{
    return ProgramPlaces::cacheFolder() + fileName;
}

bool ThumbnailSaver::SaveThumbnail(const QString &url, const QString &fileName)
{
    if (m_transfer->StillExecuting() || !SafeFileName::isPlainName(fileName))
        return false;
    if (!m_transfer->get(QUrl(url.trimmed())))
        return false;
    m_path = pathFor(fileName);
    return true;
}

void ThumbnailSaver::cancel()
{
    m_transfer->cancel();
}

void ThumbnailSaver::transferFinished(bool ok)
{
    const QByteArray data = ok ? m_transfer->readAll() : QByteArray();
    const bool written =
        ok && QDir().mkpath(ProgramPlaces::cacheFolder()) && SafeFile::writeWhole(m_path, data);
    Q_EMIT saved(written, m_path);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/pageloader.h"

#include "download/inettransfer.h"
#include "download/watchpagetext.h"

#include <QTimer>
#include <QUrl>

PageLoader::PageLoader(InetTransfer *transfer, QObject *parent)
    : QObject(parent), m_transfer(transfer)
{
}

bool PageLoader::LoadPage(const QString &address)
{
    cancel();
    m_bytes.clear();
    m_tooLarge = false;
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!WatchPageText::isWebAddress(url)) {
        const QString why =
            QStringLiteral("\"%1\" is not the address of a web page.").arg(address.trimmed());
        QTimer::singleShot(0, this, [this, why] { Q_EMIT loaded(QString(), why, false); });
        return false;
    }
    connect(m_transfer, &InetTransfer::statusChanged, this, &PageLoader::statusChanged);
    connect(m_transfer, &InetTransfer::readyRead, this, &PageLoader::takePiece);
    connect(m_transfer, &InetTransfer::finished, this, &PageLoader::transferFinished);
    m_loading = true;
    if (!m_transfer->get(url)) {
        end(QString(), QStringLiteral("The transfer is busy with another request."), false);
        return false;
    }
    return true;
}

void PageLoader::cancel()
{
    if (!m_loading)
        return;
    m_transfer->disconnect(this);
    m_transfer->cancel();
    m_loading = false;
}

void PageLoader::takePiece()
{
    const QByteArray piece = m_transfer->readAll();
    if (piece.isEmpty())
        return;
    if (m_bytes.size() + piece.size() > MaxPageBytes) {
        m_tooLarge = true;
        m_transfer->cancel();
        transferFinished(false);
        return;
    }
    // The first piece arrives quietly; each further one says the page is still coming.
    if (!m_bytes.isEmpty())
        Q_EMIT statusChanged(QStringLiteral("Reading Data..."));
    m_bytes += piece;
}

void PageLoader::transferFinished(bool ok)
{
    if (!m_loading)
        return;
    if (ok)
        takePiece();
    if (!m_loading)
        return;
    if (m_tooLarge) {
        end(QString(), QStringLiteral("The page is larger than %1 MB.").arg(MaxPageBytes >> 20),
            false);
    } else if (!ok) {
        end(QString(), m_transfer->errorText(), m_transfer->timedOut());
    } else {
        Q_EMIT statusChanged(QStringLiteral("Complete!"));
        end(QString::fromUtf8(m_bytes), QString(), false);
    }
}

void PageLoader::end(const QString &page, const QString &error, bool timedOut)
{
    m_transfer->disconnect(this);
    m_loading = false;
    m_bytes.clear();
    Q_EMIT loaded(page, error, timedOut);
}

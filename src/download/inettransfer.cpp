// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/inettransfer.h"

#include "common/appinfo.h"
#include "download/watchpagetext.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

QString InetTransfer::stateText(State state, int code, const QString &text)
{
    switch (state) {
    case State::ResolvingHost:
        return QStringLiteral("Looking up IP address");
    case State::HostResolved:
        return QStringLiteral("IP address found");
    case State::Connecting:
        return QStringLiteral("Connecting Host");
    case State::Connected:
        return QStringLiteral("Connected.");
    case State::Requesting:
        return QStringLiteral("Making Request...");
    case State::RequestSent:
        return QStringLiteral("Request sent.");
    case State::ReceivingResponse:
        return QStringLiteral("Receiving Response..");
    case State::ResponseReceived:
        return QStringLiteral("Response received.");
    case State::Disconnecting:
        return QStringLiteral("Disconnecting...");
    case State::Disconnected:
        return QStringLiteral("Disconnected.");
    case State::Error:
        return QStringLiteral("Error ") + QString::number(code) + QLatin1Char(' ') + text;
    case State::RequestComplete:
        break;
    }
    return QString();
}

InetTransfer::InetTransfer(QObject *parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
    m_manager->setAutoDeleteReplies(false);
    m_idle.setSingleShot(true);
    m_idle.setInterval(IdleTimeoutMs);
    connect(&m_idle, &QTimer::timeout, this, &InetTransfer::idleTimeout);
}

InetTransfer::~InetTransfer()
{
    cancel();
    delete m_last;
}

bool InetTransfer::get(const QUrl &url, const Headers &headers)
{
    if (m_reply || !WatchPageText::isWebAddress(url))
        return false;
    delete m_last;
    m_last = nullptr;
    m_timedOut = false;
    m_headersTold = false;
    m_error.clear();

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QString::fromLatin1(MainCaption).replace(QLatin1Char(' '), u'/'));
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    tell(State::Requesting);
    m_reply = m_manager->get(request);
    m_last = m_reply;
    QNetworkReply *reply = m_reply;
    const auto stillBusy = [this] { m_idle.start(); };
    connect(reply, &QNetworkReply::socketStartedConnecting, this, [this, stillBusy] {
        stillBusy();
        tell(State::Connecting);
    });
    connect(reply, &QNetworkReply::encrypted, this, [this] { tell(State::Connected); });
    connect(reply, &QNetworkReply::requestSent, this, [this, stillBusy] {
        stillBusy();
        tell(State::RequestSent);
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, stillBusy] {
        stillBusy();
        takeHeaders();
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, stillBusy] {
        stillBusy();
        takeHeaders();
        Q_EMIT readyRead();
    });
    connect(reply, &QNetworkReply::finished, this, &InetTransfer::replyFinished);
    m_idle.start();
    return true;
}

void InetTransfer::takeHeaders()
{
    // A redirection is followed by Qt itself: only the final answer counts.
    const int status = statusCode();
    if (m_headersTold || (status >= 300 && status < 400))
        return;
    m_headersTold = true;
    tell(State::ReceivingResponse);
    Q_EMIT headersReceived();
}

void InetTransfer::replyFinished()
{
    if (!m_reply)
        return;
    m_idle.stop();
    takeHeaders();
    const int status = statusCode();
    const bool ok =
        m_reply->error() == QNetworkReply::NoError && !m_timedOut && status >= 200 && status < 300;
    if (ok) {
        tell(State::ResponseReceived);
    } else if (m_timedOut) {
        m_error = QStringLiteral("Nothing arrived for %1 seconds: the connection timed out.")
                      .arg(m_idle.interval() / 1000.0);
        tell(State::Error, int(QNetworkReply::TimeoutError), m_error);
        Q_EMIT statusChanged(QStringLiteral("Slow Connection"));
    } else if (status >= 300) {
        m_error = QString::number(status) + QLatin1Char(' ') + reasonPhrase();
        tell(State::Error, status, reasonPhrase());
    } else {
        m_error = m_reply->errorString();
        tell(State::Error, int(m_reply->error()), m_error);
    }
    release();
    Q_EMIT finished(ok);
}

void InetTransfer::idleTimeout()
{
    if (!m_reply)
        return;
    m_timedOut = true;
    m_reply->abort();
}

void InetTransfer::cancel()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    reply->disconnect(this);
    m_idle.stop();
    reply->abort();
    release();
}

void InetTransfer::release()
{
    // The reply stays until the next request for its headers and any unread bytes.
    m_reply = nullptr;
}

void InetTransfer::tell(State state, int code, const QString &text)
{
    Q_EMIT stateChanged(state);
    const QString line = stateText(state, code, text);
    if (!line.isEmpty())
        Q_EMIT statusChanged(line);
}

int InetTransfer::statusCode() const
{
    return m_last ? m_last->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
}

QString InetTransfer::reasonPhrase() const
{
    return m_last ? m_last->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()
                  : QString();
}

QByteArray InetTransfer::header(const QByteArray &name) const
{
    return m_last ? m_last->rawHeader(name) : QByteArray();
}

qint64 InetTransfer::contentLength() const
{
    if (!m_last || !m_last->hasRawHeader("Content-Length"))
        return -1;
    bool ok = false;
    const qint64 length = m_last->rawHeader("Content-Length").trimmed().toLongLong(&ok);
    return ok && length >= 0 ? length : GarbledLength;
}

qint64 InetTransfer::bytesAvailable() const
{
    return m_last ? m_last->bytesAvailable() : 0;
}

qint64 InetTransfer::read(char *data, qint64 maxSize)
{
    return m_last ? m_last->read(data, maxSize) : -1;
}

QByteArray InetTransfer::readAll()
{
    return m_last ? m_last->readAll() : QByteArray();
}

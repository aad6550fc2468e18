// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixtureserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

FixtureServer::FixtureServer(QObject *parent) : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &FixtureServer::accept);
}

void FixtureServer::route(const QByteArray &path, const Route &route)
{
    m_routes.insert(path, route);
}

void FixtureServer::serve(const QByteArray &path, const QByteArray &body,
                          const QByteArray &contentType)
{
    Route r;
    r.body = body;
    r.contentType = contentType;
    route(path, r);
}

QUrl FixtureServer::url(const QByteArray &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()) +
                QString::fromUtf8(path));
}

void FixtureServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void FixtureServer::readRequest(QTcpSocket *socket)
{
    QByteArray &buffer = m_pending[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.clear();
    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.path = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    requests.append(request);
    answer(socket, request);
}

void FixtureServer::answer(QTcpSocket *socket, const Request &request)
{
    Route r = m_routes.value(request.path);
    if (!m_routes.contains(request.path)) {
        r.status = 404;
        r.reason = "Not Found";
        r.body = "<html>no such page</html>";
    }
    QByteArray body = r.body;
    QByteArray head = "HTTP/1.1 ";
    const QByteArray range = request.headers.value("range");
    if (r.honourRange && range.startsWith("bytes=") && range.endsWith('-')) {
        const qint64 from = range.mid(6, range.size() - 7).toLongLong();
        if (from >= body.size()) {
            r.status = 416;
            r.reason = "Range Not Satisfiable";
            head += "416 Range Not Satisfiable\r\nContent-Range: bytes */" +
                    QByteArray::number(body.size()) + "\r\n";
            body.clear();
        } else {
            head += "206 Partial Content\r\nContent-Range: bytes " + QByteArray::number(from) +
                    '-' + QByteArray::number(body.size() - 1) + '/' +
                    QByteArray::number(body.size()) + "\r\n";
            body = body.mid(from);
        }
    } else {
        head += QByteArray::number(r.status) + ' ' + r.reason + "\r\n";
    }
    head += "Content-Type: " + r.contentType + "\r\nConnection: close\r\n";
    if (!r.lengthText.isEmpty())
        head += "Content-Length: " + r.lengthText + "\r\n";
    else if (r.framing == Route::Framing::Length)
        head += "Content-Length: " +
                QByteArray::number(r.announcedLength >= 0 && r.status < 300 ? r.announcedLength
                                                                            : body.size()) +
                "\r\n";
    else if (r.framing == Route::Framing::Chunked)
        head += "Transfer-Encoding: chunked\r\n";
    head += "\r\n";

    qint64 limit = body.size();
    if (r.stallAfter >= 0)
        limit = qMin(limit, r.stallAfter);
    if (r.cutAfter >= 0)
        limit = qMin(limit, r.cutAfter);
    body.truncate(limit);
    const int pieceSize = r.pieceSize > 0 ? r.pieceSize : int(qMax<qint64>(1, body.size()));
    QList<QByteArray> pieces = {head};
    for (qsizetype at = 0; at < body.size(); at += pieceSize) {
        const QByteArray piece = body.mid(at, pieceSize);
        if (r.framing == Route::Framing::Chunked)
            pieces.append(QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n");
        else
            pieces.append(piece);
    }
    const bool whole = r.stallAfter < 0 && r.cutAfter < 0;
    if (r.framing == Route::Framing::Chunked && whole)
        pieces.append("0\r\n\r\n");
    send(socket, pieces, r.pieceDelayMs, r.stallAfter < 0);
}

void FixtureServer::send(QTcpSocket *socket, QList<QByteArray> pieces, int delayMs, bool close)
{
    if (delayMs <= 0) {
        for (const QByteArray &piece : pieces)
            socket->write(piece);
        if (close)
            socket->disconnectFromHost();
        return;
    }
    socket->write(pieces.takeFirst());
    QPointer<QTcpSocket> alive(socket);
    auto *timer = new QTimer(socket);
    timer->setInterval(delayMs);
    connect(timer, &QTimer::timeout, socket, [alive, timer, pieces, close]() mutable {
        if (!alive)
            return;
        if (pieces.isEmpty()) {
            timer->stop();
            if (close)
                alive->disconnectFromHost();
            return;
        }
        alive->write(pieces.takeFirst());
    });
    timer->start();
}

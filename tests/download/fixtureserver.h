// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 and a free port for the downloader's tests: each
// path answers as its route says (length announced or not, chunked, slow, stalled, cut
// short, an error status, Range honoured or ignored). Every connection is closed after
// its answer.
class FixtureServer : public QObject
{
    Q_OBJECT

public:
    struct Route
    {
        enum class Framing { Length, CloseDelimited, Chunked };

        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
        QByteArray contentType = "application/octet-stream";
        Framing framing = Framing::Length;
        qint64 announcedLength = -1; // sent as Content-Length instead of the body's size
        QByteArray lengthText = {};  // sent as Content-Length as it stands, when not empty
        bool honourRange = false;
        int pieceSize = 0;      // the body goes out in pieces of this size...
        int pieceDelayMs = 0;   // ...this far apart
        qint64 stallAfter = -1; // after this many body bytes nothing more, connection open
        qint64 cutAfter = -1;   // after this many body bytes the connection closes
    };

    struct Request
    {
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // names in lower case
    };

    explicit FixtureServer(QObject *parent = nullptr);

    void route(const QByteArray &path, const Route &route);
    // A route answering body with status 200 and its length.
    void serve(const QByteArray &path, const QByteArray &body,
               const QByteArray &contentType = "text/html; charset=utf-8");
    QUrl url(const QByteArray &path) const;
    QList<Request> requests;

private:
    void accept();
    void readRequest(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Request &request);
    void send(QTcpSocket *socket, QList<QByteArray> pieces, int delayMs, bool close);

    QTcpServer m_server;
    QHash<QByteArray, Route> m_routes;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

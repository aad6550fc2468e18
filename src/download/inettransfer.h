// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <utility>

class QNetworkAccessManager;

// The downloader's internet transfer: one GET at a time over Qt's network access,
// asynchronous, telling the states it can observe in the words of the window's status
// line. A request that receives nothing for the idle time-out fails as timed out.
class InetTransfer : public QObject
{
    Q_OBJECT

public:
    // Numbered as the status line has always known them; Qt tells 3, 4 (encrypted
    // connections only), 6, 7, 8 and 11.
    enum class State {
        ResolvingHost = 1,
        HostResolved,
        Connecting,
        Connected,
        Requesting,
        RequestSent,
        ReceivingResponse,
        ResponseReceived,
        Disconnecting,
        Disconnected,
        Error,
        RequestComplete,
    };
    Q_ENUM(State)

    static constexpr int IdleTimeoutMs = 30000;
    using Headers = QList<std::pair<QByteArray, QByteArray>>;

    // The status line's text for a state; the error state adds the response code and
    // text. Empty for the request's completion, which leaves the line as it is.
    static QString stateText(State state, int code = 0, const QString &text = QString());

    explicit InetTransfer(QObject *parent = nullptr);
    ~InetTransfer() override;

    void setIdleTimeout(int ms) { m_idle.setInterval(ms); }
    // Starts a GET of url; false, with nothing started, while a request still executes
    // or the address is not an http or https one.
    bool get(const QUrl &url, const Headers &headers = Headers());
    bool StillExecuting() const { return m_reply != nullptr; }
    // Ends the running request without a word: finished() does not follow.
    void cancel();

    // What the running (or just finished) response says.
    int statusCode() const;
    QString reasonPhrase() const;
    QByteArray header(const QByteArray &name) const;
    // The body's announced length, -1 when none is announced, or GarbledLength when the
    // header is not a number: such a body cannot be told complete.
    static constexpr qint64 GarbledLength = -2;
    qint64 contentLength() const;
    // The body bytes that have arrived and were not read yet.
    qint64 bytesAvailable() const;
    qint64 read(char *data, qint64 maxSize);
    QByteArray readAll();

    bool timedOut() const { return m_timedOut; }
    // Why the last request failed, in words a user can act on.
    QString errorText() const { return m_error; }

Q_SIGNALS:
    void stateChanged(InetTransfer::State state);
    // What the status line shows now.
    void statusChanged(const QString &text);
    // The final response's status and headers are known.
    void headersReceived();
    void readyRead();
    // The request has ended: ok when the whole answer arrived with a 2xx status. The
    // body that is left can still be read here.
    void finished(bool ok);

private:
    void tell(State state, int code = 0, const QString &text = QString());
    void takeHeaders();
    void replyFinished();
    void idleTimeout();
    void release();

    QNetworkAccessManager *m_manager;
    QPointer<QNetworkReply> m_reply;
    QNetworkReply *m_last = nullptr; // kept for its headers until the next request
    QTimer m_idle;
    bool m_timedOut = false;
    bool m_headersTold = false;
    QString m_error;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class InetTransfer;

// Fetches a watch page as text through a transfer, piece by piece as it arrives,
// telling the status line how it goes. The page comes back by a signal: the window
// stays alive and nothing waits in a loop of its own.
class PageLoader : public QObject
{
    Q_OBJECT

public:
    // More than this is no watch page; the fetch stops rather than eat the memory.
    static constexpr qint64 MaxPageBytes = qint64(64) << 20;

    // transfer: the window's first transfer component, also used for streams.
    explicit PageLoader(InetTransfer *transfer, QObject *parent = nullptr);

    // Starts fetching the address; a fetch still running is given up. False when the
    // text is not a web address: loaded() then follows from the event loop with the
    // reason all the same, so callers have one place to learn of the end.
    bool LoadPage(const QString &address);
    bool isLoading() const { return m_loading; }
    void cancel();

Q_SIGNALS:
    void statusChanged(const QString &text);
    // The page text, empty after a failure; error says why, timedOut when the site
    // sent nothing for too long.
    void loaded(const QString &page, const QString &error, bool timedOut);

private:
    void takePiece();
    void transferFinished(bool ok);
    void end(const QString &page, const QString &error, bool timedOut);

    InetTransfer *m_transfer;
    QByteArray m_bytes;
    bool m_loading = false;
    bool m_tooLarge = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>

class QDBusPendingCallWatcher;

// Shows a notification through the desktop's notification service on the session bus
// (org.freedesktop.Notifications). It never blocks and never complains: without a bus,
// without a service, or when the service does not answer in time, nothing is shown and
// done(false) follows.
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeoutMs = 3000;

    // On the session bus.
    explicit DesktopNotifier(QObject *parent = nullptr);
    DesktopNotifier(const QDBusConnection &bus, QObject *parent = nullptr);

    // How long a call may wait for the service's answer.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    // Returns at once; done() tells what became of it. The body is plain text: a service
    // that reads markup in bodies gets it escaped, so a folder named "a & b" shows as is.
    void notify(const QString &summary, const QString &body);

    // The icon name the package installs, also the desktop entry's name.
    static QString iconName();

Q_SIGNALS:
    // shown: the service took the notification.
    void done(bool shown);

private:
    void capabilitiesAnswered(QDBusPendingCallWatcher *watcher, const QString &summary,
                              const QString &body);
    void watch(const QDBusMessage &call, std::function<void(QDBusPendingCallWatcher *)> answered);

    QDBusConnection m_bus;
    int m_timeoutMs = DefaultTimeoutMs;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a signal of the event loop while it lives, so
// the command-line mode can stop its encoder before it goes instead of leaving it
// running behind.
class TerminationWatch : public QObject
{
    Q_OBJECT

public:
    explicit TerminationWatch(QObject *parent = nullptr);
    ~TerminationWatch() override;

    // From now on the program ends at the latest this long after a signal came, and at
    // once on a second one, with 128 + the signal, even when the event loop is held up
    // and cannot hear it. Children go with it (they are given the parent-death signal).
    static void endWithin(int seconds);

Q_SIGNALS:
    void requested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};

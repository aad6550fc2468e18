// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/terminationwatch.h"

#include <QObject>

class QWidget;

// SIGTERM, SIGINT and SIGHUP close the program as File > Exit does, without a question:
// open dialogs are dismissed first, then the main window's close stops every child and
// the event loops end.
class WindowTermination : public QObject
{
    Q_OBJECT

public:
    // Watches while it lives; the window is not owned.
    explicit WindowTermination(QWidget *mainWindow);

    // 0 until a signal came; then 128 + the signal, the shell's convention.
    int exitCode() const { return m_exitCode; }

private:
    void close(int signalNumber);

    TerminationWatch m_watch;
    QWidget *m_window;
    int m_exitCode = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowtermination.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

WindowTermination::WindowTermination(QWidget *mainWindow) : m_window(mainWindow)
{
    connect(&m_watch, &TerminationWatch::requested, this, &WindowTermination::close);
}

void WindowTermination::close(int signalNumber)
{
    m_exitCode = 128 + signalNumber;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        auto *dialog = qobject_cast<QDialog *>(window);
        if (dialog && dialog->isVisible())
            dialog->reject();
    }
    m_window->close();
    // Ends the dialogs' own loops too, should one still wait.
    QCoreApplication::exit(m_exitCode);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/desktop.h"

// The desktop of the command-line modes: messages go to standard error as one line
// each, choosers answer "cancelled", and nothing opens a window or touches the machine.
class ConsoleDesktop : public Desktop
{
public:
    void showMessage(QWidget *parent, const QString &text, Icon icon) override;
    // Nobody is there to answer.
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
    QStringList chooseOpenFiles(QWidget *, const QString &, const QString &) override { return {}; }
    QString chooseOpenFile(QWidget *, const QString &, const QString &) override { return {}; }
    QString chooseSaveFile(QWidget *, const QString &, const QString &) override { return {}; }
    QString chooseFolder(QWidget *, const QString &) override { return {}; }
    void openFolder(const QString &) override {}
    void openWebPage(const QUrl &) override {}
    void showHelp(const QString &) override {}
    void shutdown() override {}
    // The command line reports on standard output; the desktop is not told.
    void notify(const QString &, const QString &) override {}
};

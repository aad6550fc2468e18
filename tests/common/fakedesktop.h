// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/desktop.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

// Stands in for the desktop in every test: records each call in order and answers the
// choosers from queues the test fills (an empty queue answers "cancelled").
class FakeDesktop : public Desktop
{
public:
    struct Call
    {
        QString what;   // "message", "question", "openFiles", "openFile", "saveFile", "folder",
                        // "openFolder", "webPage", "help", "shutdown", "notify"
        QString text;   // message or question text, chooser title or prompt, path or
                        // address, notification summary
        QString filter; // chooser filter as given; a question's title; a notification's body
        Icon icon = Icon::Information;
    };

    FakeDesktop();
    ~FakeDesktop() override;
    // The desktop installed for the running test program.
    static FakeDesktop &current();

    void showMessage(QWidget *parent, const QString &text, Icon icon) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    QStringList chooseOpenFiles(QWidget *parent, const QString &title,
                                const QString &filter) override;
    QString chooseOpenFile(QWidget *parent, const QString &title, const QString &filter) override;
    QString chooseSaveFile(QWidget *parent, const QString &title, const QString &filter) override;
    QString chooseFolder(QWidget *parent, const QString &prompt) override;
    void openFolder(const QString &folder) override;
    void openWebPage(const QUrl &address) override;
    void showHelp(const QString &helpFile) override;
    void shutdown() override;
    void notify(const QString &summary, const QString &body) override;

    void reset();
    QList<Call> calls;
    QList<Call> callsOf(const QString &what) const;
    QStringList messages() const;

    QQueue<QStringList> fileAnswers; // for chooseOpenFiles, chooseOpenFile, chooseSaveFile
    QQueue<QString> folderAnswers;
    QQueue<bool> yesNoAnswers; // an empty queue answers No
};

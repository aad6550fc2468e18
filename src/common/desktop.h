// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

// Everything that reaches out of the program to the user's desktop: message boxes,
// file and folder choosers, the file browser, the web browser, the help viewer, the
// desktop's notifications and shutting the machine down. The program uses the real desktop; tests install a fake
// that records each call and answers the choosers, so no test blocks on a modal box or
// touches the machine.
class Desktop
{
public:
    enum class Icon { Information, Warning, Critical };

    virtual ~Desktop() = default;

    // A message box captioned with the application's title.
    virtual void showMessage(QWidget *parent, const QString &text, Icon icon) = 0;
    // A question with the buttons Yes and No under the given title; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
    // Filters are given as "Description|*.a;*.b|Other|*.c|", the order kept; the first
    // filter is in effect when the chooser opens. An empty list means cancelled.
    virtual QStringList chooseOpenFiles(QWidget *parent, const QString &title,
                                        const QString &filter) = 0;
    virtual QString chooseOpenFile(QWidget *parent, const QString &title,
                                   const QString &filter) = 0;
    virtual QString chooseSaveFile(QWidget *parent, const QString &title,
                                   const QString &filter) = 0;
    // An empty text means cancelled.
    virtual QString chooseFolder(QWidget *parent, const QString &prompt) = 0;
    virtual void openFolder(const QString &folder) = 0;
    virtual void openWebPage(const QUrl &address) = 0;
    virtual void showHelp(const QString &helpFile) = 0;
    virtual void shutdown() = 0;
    // A notification beside whatever window has the focus; it never waits and never
    // fails aloud. The body is plain text.
    virtual void notify(const QString &summary, const QString &body) = 0;

    static Desktop &instance();
    // Takes no ownership; nullptr goes back to the real desktop.
    static void setInstance(Desktop *desktop);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/desktop.h"

// The user's own desktop: Qt's dialogs, the desktop's default handlers, an installed
// CHM viewer, and logind for shutting down.
class RealDesktop : public Desktop
{
public:
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
    // Through the notification service of the session bus.
    void notify(const QString &summary, const QString &body) override;

    // "Desc (*.a;*.b)|*.a;*.b|" becomes Qt's "Desc (*.a *.b)" list, order kept.
    static QString qtFilter(const QString &filter);
};

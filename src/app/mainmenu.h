// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

// The menu bar of the main window. Each entry is a QAction named as the entry is
// (its objectName too), and the toolbar's buttons and the list's menu trigger these
// same actions.
class MainMenu : public QObject
{
    Q_OBJECT

public:
    explicit MainMenu(QMainWindow *window);

    // File
    QAction *AddFiles;
    QAction *RemoveSelectedFile;
    QAction *ClearAllFiles;
    QAction *Capture;     // "Capture Video From DV"
    QAction *importvideo; // "Import Video From Youtube"
    QAction *exit;
    // Edit
    QAction *options;
    QAction *checkupdate;
    // Action
    QAction *BurnNow; // "Convert Now!"
    QAction *play;
    QAction *videoclip;
    QAction *videowatermarkt;
    // Help
    QAction *helphelp;
    QAction *HomePage;
    QAction *SupportOnline;
    QAction *About;

private:
    QAction *add(QMenu *menu, const char *name, const char *caption, const char *shortcut = "");
};

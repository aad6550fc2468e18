// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainmenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMainWindow *window) : QObject(window)
{
    QMenuBar *bar = window->menuBar();

    QMenu *file = bar->addMenu(QStringLiteral("File(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    AddFiles = add(file, "AddFiles", "Add Files", "Ctrl+A");
    RemoveSelectedFile = add(file, "RemoveSelectedFile", "Remove Selected File", "Ctrl+R");
    ClearAllFiles = add(file, "ClearAllFiles", "Clear All Files", "Ctrl+C");
    file->addSeparator();
    Capture = add(file, "Capture", "Capture Video From DV");
    file->addSeparator();
    importvideo = add(file, "importvideo", "Import Video From Youtube");
    file->addSeparator();
    exit = add(file, "exit", "Exit", "Ctrl+X");

    QMenu *edit = bar->addMenu(QStringLiteral("Edit(&E)"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    options = add(edit, "options", "Options", "Ctrl+S");
    edit->addSeparator();
    checkupdate = add(edit, "checkupdate", "Check for Updates");

    QMenu *actions = bar->addMenu(QStringLiteral("Action(&A)"));
    actions->setObjectName(QStringLiteral("mnuAction"));
    BurnNow = add(actions, "BurnNow", "Convert Now!", "Ctrl+N");
    actions->addSeparator();
    play = add(actions, "play", "Play Selected File", "Ctrl+P");
    actions->addSeparator();
    videoclip = add(actions, "videoclip", "Video Clip", "Ctrl+V");
    videowatermarkt = add(actions, "videowatermarkt", "Video Watermarkt", "Ctrl+W");

    QMenu *help = bar->addMenu(QStringLiteral("Help(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    helphelp = add(help, "helphelp", "Help", "F1");
    help->addSeparator();
    HomePage = add(help, "HomePage", "Video Converter Home Page", "Ctrl+H");
    SupportOnline = add(help, "SupportOnline", "Support Online", "Ctrl+T");
    help->addSeparator();
    About = add(help, "About", "About");
}

QAction *MainMenu::add(QMenu *menu, const char *name, const char *caption, const char *shortcut)
{
    auto *action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (*shortcut) {
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        // The shortcuts belong to the whole window, also while a list or sheet has focus.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

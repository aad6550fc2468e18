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
    add(file, QStringLiteral("AddFiles"), QStringLiteral("Add Files"), QStringLiteral("Ctrl+A"));
    add(file, QStringLiteral("RemoveSelectedFile"), QStringLiteral("Remove Selected File"),
        QStringLiteral("Ctrl+R"));
    add(file, QStringLiteral("ClearAllFiles"), QStringLiteral("Clear All Files"),
        QStringLiteral("Ctrl+C"));
    file->addSeparator();
    add(file, QStringLiteral("Capture"), QStringLiteral("Capture Video From DV"));
    file->addSeparator();
    add(file, QStringLiteral("importvideo"), QStringLiteral("Import Video From Youtube"));
    file->addSeparator();
    add(file, QStringLiteral("exit"), QStringLiteral("Exit"), QStringLiteral("Ctrl+X"));

    QMenu *edit = bar->addMenu(QStringLiteral("Edit(&E)"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    add(edit, QStringLiteral("options"), QStringLiteral("Options"), QStringLiteral("Ctrl+S"));
    edit->addSeparator();
    add(edit, QStringLiteral("checkupdate"), QStringLiteral("Check for Updates"));

    QMenu *actions = bar->addMenu(QStringLiteral("Action(&A)"));
    actions->setObjectName(QStringLiteral("mnuAction"));
    add(actions, QStringLiteral("BurnNow"), QStringLiteral("Convert Now!"), QStringLiteral("Ctrl+N"));
    actions->addSeparator();
    add(actions, QStringLiteral("play"), QStringLiteral("Play Selected File"), QStringLiteral("Ctrl+P"));
    actions->addSeparator();
    add(actions, QStringLiteral("videoclip"), QStringLiteral("Video Clip"), QStringLiteral("Ctrl+V"));
    add(actions, QStringLiteral("videowatermarkt"), QStringLiteral("Video Watermarkt"),
        QStringLiteral("Ctrl+W"));

    QMenu *help = bar->addMenu(QStringLiteral("Help(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    add(help, QStringLiteral("helphelp"), QStringLiteral("Help"), QStringLiteral("F1"));
    help->addSeparator();
    add(help, QStringLiteral("HomePage"), QStringLiteral("Video Converter Home Page"),
        QStringLiteral("Ctrl+H"));
    add(help, QStringLiteral("SupportOnline"), QStringLiteral("Support Online"),
        QStringLiteral("Ctrl+T"));
    help->addSeparator();
    add(help, QStringLiteral("About"), QStringLiteral("About"));
}

QAction *MainMenu::action(const QString &name) const
{
    return m_actions.value(name);
}

QAction *MainMenu::add(QMenu *menu, const QString &name, const QString &caption,
                       const QString &shortcut)
{
    auto *action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(QKeySequence(shortcut));
        // The shortcuts belong to the whole window, also while a list or sheet has focus.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    m_actions.insert(name, action);
    return action;
}

#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;

// The menu bar of the main window. Each entry is a QAction whose objectName is the
// entry's own name ("AddFiles", "BurnNow", "videowatermarkt", ...).
class MainMenu : public QObject
{
    Q_OBJECT

public:
    explicit MainMenu(QMainWindow *window);

    QAction *action(const QString &name) const;

private:
    QAction *add(class QMenu *menu, const QString &name, const QString &caption,
                 const QString &shortcut = QString());

    QHash<QString, QAction *> m_actions;
};

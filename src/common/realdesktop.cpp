// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/realdesktop.h"

#include "common/appinfo.h"
#include "common/desktopnotifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
Desktop *&current()
{
    static Desktop *desktop = nullptr;
    return desktop;
}

QMessageBox::Icon boxIcon(Desktop::Icon icon)
{
    switch (icon) {
    case Desktop::Icon::Information:
        return QMessageBox::Information;
    case Desktop::Icon::Warning:
        return QMessageBox::Warning;
    case Desktop::Icon::Critical:
        break;
    }
    return QMessageBox::Critical;
}
} // namespace

Desktop &Desktop::instance()
{
    static RealDesktop real;
    return current() ? *current() : real;
}

void Desktop::setInstance(Desktop *desktop)
{
    current() = desktop;
}

void RealDesktop::showMessage(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), QString::fromLatin1(AppTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

bool RealDesktop::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

QString RealDesktop::qtFilter(const QString &filter)
{
    const QStringList pieces = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < pieces.size(); i += 2) {
        QString description = pieces[i];
        const QString patterns = QString(pieces[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // A description that names its patterns shows them once, blank-separated.
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)\\s*$")));
        entries << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

QStringList RealDesktop::chooseOpenFiles(QWidget *parent, const QString &title,
                                         const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, title, QString(), qtFilter(filter));
}

QString RealDesktop::chooseOpenFile(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), qtFilter(filter));
}

QString RealDesktop::chooseSaveFile(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, QString(), qtFilter(filter));
}

QString RealDesktop::chooseFolder(QWidget *parent, const QString &prompt)
{
    return QFileDialog::getExistingDirectory(parent, prompt, QStringLiteral("/"));
}

void RealDesktop::openFolder(const QString &folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void RealDesktop::openWebPage(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

void RealDesktop::showHelp(const QString &helpFile)
{
    for (const char *viewer : {"xchm", "kchmviewer"}) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(viewer));
        if (!program.isEmpty() && QProcess::startDetached(program, {helpFile}))
            return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile));
}

void RealDesktop::shutdown()
{
    // logind powers the machine off for the user of the session; systemctl asks the
    // same service and is the fallback where the call is refused.
    QDBusInterface login(QStringLiteral("org.freedesktop.login1"),
                         QStringLiteral("/org/freedesktop/login1"),
                         QStringLiteral("org.freedesktop.login1.Manager"),
                         QDBusConnection::systemBus());
    const QDBusMessage reply = login.call(QStringLiteral("PowerOff"), false);
    if (reply.type() == QDBusMessage::ErrorMessage)
        QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
}

void RealDesktop::notify(const QString &summary, const QString &body)
{
    // Made on first use, on the session bus as it is then; it lives as long as the program.
    static DesktopNotifier *notifier = new DesktopNotifier(QCoreApplication::instance());
    notifier->notify(summary, body);
}

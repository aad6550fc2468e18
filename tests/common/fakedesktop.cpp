// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/fakedesktop.h"

namespace {
FakeDesktop *installed = nullptr;
}

FakeDesktop::FakeDesktop()
{
    installed = this;
}

FakeDesktop::~FakeDesktop()
{
    if (installed == this)
        installed = nullptr;
}

FakeDesktop &FakeDesktop::current()
{
    return *installed;
}

void FakeDesktop::showMessage(QWidget *, const QString &text, Icon icon)
{
    calls.append({QStringLiteral("message"), text, QString(), icon});
}

QStringList FakeDesktop::chooseOpenFiles(QWidget *, const QString &title, const QString &filter)
{
    calls.append({QStringLiteral("openFiles"), title, filter});
    return fileAnswers.isEmpty() ? QStringList() : fileAnswers.dequeue();
}

QString FakeDesktop::chooseOpenFile(QWidget *, const QString &title, const QString &filter)
{
    calls.append({QStringLiteral("openFile"), title, filter});
    const QStringList answer = fileAnswers.isEmpty() ? QStringList() : fileAnswers.dequeue();
    return answer.value(0);
}

bool FakeDesktop::askYesNo(QWidget *, const QString &title, const QString &text)
{
    calls.append({QStringLiteral("question"), text, title});
    return !yesNoAnswers.isEmpty() && yesNoAnswers.dequeue();
}

QString FakeDesktop::chooseSaveFile(QWidget *, const QString &title, const QString &filter)
{
    calls.append({QStringLiteral("saveFile"), title, filter});
    const QStringList answer = fileAnswers.isEmpty() ? QStringList() : fileAnswers.dequeue();
    return answer.value(0);
}

QString FakeDesktop::chooseFolder(QWidget *, const QString &prompt)
{
    calls.append({QStringLiteral("folder"), prompt, QString()});
    return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
}

void FakeDesktop::openFolder(const QString &folder)
{
    calls.append({QStringLiteral("openFolder"), folder, QString()});
}

void FakeDesktop::openWebPage(const QUrl &address)
{
    calls.append({QStringLiteral("webPage"), address.toString(), QString()});
}

void FakeDesktop::showHelp(const QString &helpFile)
{
    calls.append({QStringLiteral("help"), helpFile, QString()});
}

void FakeDesktop::shutdown()
{
    calls.append({QStringLiteral("shutdown"), QString(), QString()});
}

void FakeDesktop::notify(const QString &summary, const QString &body)
{
    calls.append({QStringLiteral("notify"), summary, body});
}

void FakeDesktop::reset()
{
    calls.clear();
    fileAnswers.clear();
    folderAnswers.clear();
    yesNoAnswers.clear();
}

QList<FakeDesktop::Call> FakeDesktop::callsOf(const QString &what) const
{
    QList<Call> found;
    for (const Call &c : calls) {
        if (c.what == what)
            found.append(c);
    }
    return found;
}

QStringList FakeDesktop::messages() const
{
    QStringList texts;
    for (const Call &c : callsOf(QStringLiteral("message")))
        texts << c.text;
    return texts;
}

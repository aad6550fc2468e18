// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

// A program folder of the test's own: links to the build's child programs, catalogue,
// skin, help and pictures, and room for a settings file, so tests that write never meet.
// While it lives, AppFolder() answers this folder.
class ProgramFolder
{
public:
    // With withCatalogue false the folder has no ct.s3db. The folder's name follows the
    // template when one is given ("my folder XXXXXX" for a name with blanks).
    explicit ProgramFolder(bool withCatalogue = true, const QString &nameTemplate = QString());
    ~ProgramFolder();

    QString path() const;              // ends in "/"
    QString file(const QString &name) const;
    QString settingsFile() const { return file(QStringLiteral("settings.dat")); }
    // The build's own program folder.
    static QString buildFolder();

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

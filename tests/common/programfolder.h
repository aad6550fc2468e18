#pragma once

#include <QString>
#include <QTemporaryDir>

// A program folder of the test's own: links to the build's child programs, catalogue,
// skin, help and pictures, and room for a settings file, so tests that write never meet.
// While it lives, AppFolder() answers this folder.
class ProgramFolder
{
public:
    // With withCatalogue false the folder has no ct.s3db.
    explicit ProgramFolder(bool withCatalogue = true);
    ~ProgramFolder();

    QString path() const;              // ends in "/"
    QString file(const QString &name) const;
    QString settingsFile() const { return file(QStringLiteral("settings.dat")); }
    // The build's own program folder.
    static QString buildFolder();

private:
    QTemporaryDir m_dir;
};

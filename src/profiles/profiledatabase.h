// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

// The profile catalogue ct.s3db, opened read-only through a connection of its own and
// read only through the fixed query texts below. The main window keeps one open from
// start to close; the command-line mode opens its own.
class ProfileDatabase
{
public:
    struct ClassRow
    {
        qint64 firstColumn = 0; // the value the types query is run for
        qint64 id = 0;
        QString name;
    };
    struct TypeRow
    {
        qint64 id = 0;
        QString name;
    };

    ProfileDatabase();
    ~ProfileDatabase();
    ProfileDatabase(const ProfileDatabase &) = delete;
    ProfileDatabase &operator=(const ProfileDatabase &) = delete;

    // ct.s3db in the program's folder.
    static QString defaultFile();

    // false when the file is missing or is not a database that can be read; errorText()
    // then says why. Opening again closes the previous file first.
    bool open(const QString &file = defaultFile());
    void close();
    bool isOpen() const;
    QString fileName() const { return m_file; }
    QString errorText() const { return m_error; }

    static QString classesQuery();
    static QString typesQuery(qint64 classFirstColumn);
    static QString optionQuery(const QString &table, qint64 typeId);

    // nullopt when the query fails (no database, no such table or column).
    std::optional<QList<ClassRow>> classes();
    std::optional<QList<TypeRow>> types(qint64 classFirstColumn);
    // The value column (named like the table) of the type's rows in ascending "orders".
    std::optional<QStringList> optionValues(const QString &table, qint64 typeId);

private:
    QSqlDatabase connection() const;
    // Empty when a statement runs; the error's text otherwise.
    static QString probe(const QSqlDatabase &db);

    QString m_connectionName;
    QString m_file;
    QString m_error;
};

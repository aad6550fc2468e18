// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profiledatabase.h"

#include "common/appfolder.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
int connectionCount = 0;
}

ProfileDatabase::ProfileDatabase()
    : m_connectionName(QStringLiteral("klevar-profiles-%1").arg(++connectionCount))
{
}

ProfileDatabase::~ProfileDatabase()
{
    close();
}

QString ProfileDatabase::defaultFile()
{
    return AppFolder() + QStringLiteral("ct.s3db");
}

bool ProfileDatabase::open(const QString &file)
{
    close();
    m_file = file;
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        m_error = QStringLiteral("no readable file");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(file);
    // Read-only: the catalogue is data that comes with the program, and SQLite must not
    // create an empty database where the file is missing.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        m_error = db.lastError().text();
        db = QSqlDatabase();
        close();
        return false;
    }
    // SQLite reads the file only at the first statement: a file that is no database
    // shows here, not at open.
    m_error = probe(db);
    db = QSqlDatabase();
    if (!m_error.isEmpty()) {
        close();
        return false;
    }
    return true;
}

QString ProfileDatabase::probe(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("select count(*) from sqlite_master")))
        return {};
    const QString text = query.lastError().text();
    return text.isEmpty() ? QStringLiteral("not a readable database") : text;
}

void ProfileDatabase::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool ProfileDatabase::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && connection().isOpen();
}

QSqlDatabase ProfileDatabase::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QString ProfileDatabase::classesQuery()
{
    return QStringLiteral("select * from bigclass order by id");
}

QString ProfileDatabase::typesQuery(qint64 classFirstColumn)
{
    return QStringLiteral("select * from type where classid=") + QString::number(classFirstColumn) +
           QStringLiteral(" order by id");
}

QString ProfileDatabase::optionQuery(const QString &table, qint64 typeId)
{
    return QStringLiteral("select * from ") + table + QStringLiteral(" where typeid=") +
           QString::number(typeId) + QStringLiteral(" order by orders");
}

std::optional<QList<ProfileDatabase::ClassRow>> ProfileDatabase::classes()
{
    if (!isOpen())
        return std::nullopt;
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.exec(classesQuery()))
        return std::nullopt;
    const QSqlRecord record = query.record();
    const int idColumn = record.indexOf(QStringLiteral("ID"));
    const int nameColumn = record.indexOf(QStringLiteral("class"));
    if (idColumn < 0 || nameColumn < 0)
        return std::nullopt;
    QList<ClassRow> rows;
    while (query.next())
        rows.append({query.value(0).toLongLong(), query.value(idColumn).toLongLong(),
                     query.value(nameColumn).toString()});
    return rows;
}

std::optional<QList<ProfileDatabase::TypeRow>> ProfileDatabase::types(qint64 classFirstColumn)
{
    if (!isOpen())
        return std::nullopt;
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.exec(typesQuery(classFirstColumn)))
        return std::nullopt;
    const QSqlRecord record = query.record();
    const int idColumn = record.indexOf(QStringLiteral("ID"));
    const int nameColumn = record.indexOf(QStringLiteral("typename"));
    if (idColumn < 0 || nameColumn < 0)
        return std::nullopt;
    QList<TypeRow> rows;
    while (query.next())
        rows.append({query.value(idColumn).toLongLong(), query.value(nameColumn).toString()});
    return rows;
}

std::optional<QStringList> ProfileDatabase::optionValues(const QString &table, qint64 typeId)
{
    if (!isOpen())
        return std::nullopt;
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.exec(optionQuery(table, typeId)))
        return std::nullopt;
    const int valueColumn = query.record().indexOf(table);
    if (valueColumn < 0)
        return std::nullopt;
    QStringList values;
    while (query.next())
        values.append(query.value(valueColumn).toString());
    return values;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "testcatalogue.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

QStringList TestCatalogue::schema()
{
    QStringList statements = {
        QStringLiteral("create table bigclass (ID integer, class text)"),
        QStringLiteral("create table type (ID integer, classid integer, typename text)"),
    };
    for (const char *table : {"videocodec", "videobitrate", "framerate", "videosize", "audiocodec",
                              "audiobitrate", "samplerate"})
        statements << QStringLiteral("create table %1 (typeid integer, orders integer, %1 text)")
                          .arg(QLatin1String(table));
    return statements;
}

bool TestCatalogue::write(const QString &file, const QStringList &statements)
{
    QFile::remove(file);
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-catalogue"));
        db.setDatabaseName(file);
        ok = db.open();
        QSqlQuery query(db);
        for (const QString &statement : statements)
            ok = ok && query.exec(statement);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-catalogue"));
    return ok;
}

QStringList TestCatalogue::twoClasses()
{
    return schema() +
           QStringList{
               "insert into bigclass values (2, 'Phones'), (1, 'General')",
               "insert into type values (12, 1, 'MKV - Video (*.mkv)'), (11, 1, 'MP4 - Video "
               "(*.mp4)')",
               "insert into type values (21, 2, 'Phone A (*.3gp)'), (17, 2, 'Phone B (*.mp4)')",
               "insert into type values (1234, 2, 'Phone C (*.avi)')",
               "insert into videocodec values (11, 2, 'mpeg4'), (11, 1, 'x264')",
               "insert into videobitrate values (11, 1, '1500'), (11, 2, '800')",
               "insert into framerate values (11, 1, '29.97')",
               "insert into videosize values (11, 1, '640x480')",
               "insert into audiocodec values (11, 1, 'aac')",
               "insert into audiobitrate values (11, 1, '128')",
               "insert into videocodec values (12, 1, 'xvid')",
               "insert into videobitrate values (12, 1, '2000'), (12, 2, '1000')",
               "insert into framerate values (12, 1, '25')",
               "insert into videosize values (12, 1, '720x576')",
               "insert into audiocodec values (12, 1, 'mp3')",
               "insert into audiobitrate values (12, 1, '192')",
               "insert into samplerate values (12, 1, '48000')",
               "insert into videocodec values (21, 1, 'mpeg4'), (17, 1, 'x264'), (1234, 1, 'xvid')",
           };
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testfiles.h"

#include <QFile>
#include <gtest/gtest.h>

QByteArray TestFiles::contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestFiles::store(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void TestFiles::script(const QString &path, const QByteArray &body)
{
    QFile::remove(path);
    store(path, "#!/bin/sh\n" + body);
    QFile file(path);
    ASSERT_TRUE(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The licence: its text beside the sources and its line in every source file, so that
// a file added later cannot go without it (tools/stamp-licence.sh adds the line).

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const QString Source = QStringLiteral(KLEVAR_SOURCE_FOLDER);

QString firstBytes(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(size)) : QString();
}

// The files of the kinds the stamp covers: C++, CMake, Python and shell.
QStringList sourceFiles()
{
    const QRegularExpression kind("(\\.(cpp|h|py|sh|cmake)|/CMakeLists\\.txt|^\\.ci/run)$");
    QStringList files = {"CMakeLists.txt", "run.sh", "test.sh"};
    for (const char *folder : {"src", "tests", "bench", "tools", "packaging", "data", ".ci"}) {
        QDirIterator it(Source + '/' + folder, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = it.next().mid(Source.size() + 1);
            if (kind.match(relative).hasMatch() && !relative.contains("__pycache__"))
                files << relative;
        }
    }
    return files;
}
} // namespace

TEST(Licence, EverySourceFileNamesItInItsFirstLines)
{
    const QStringList files = sourceFiles();
    EXPECT_GT(files.size(), 300);
    for (const QString &file : files) {
        const QStringList head = firstBytes(Source + '/' + file, 400).split('\n').mid(0, 3);
        EXPECT_TRUE(head.join('\n').contains("SPDX-License-Identifier: GPL-3.0-or-later"))
            << file.toStdString() << " lacks the licence line: run tools/stamp-licence.sh";
    }
}

TEST(Licence, ItsTextAndTheMachineReadableCopyrightAreThere)
{
    EXPECT_TRUE(firstBytes(Source + "/COPYING", 200).contains("GNU GENERAL PUBLIC LICENSE"));
    const QString copyright = firstBytes(Source + "/packaging/copyright", 4096);
    EXPECT_TRUE(copyright.startsWith(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"));
    EXPECT_TRUE(copyright.contains("\nFiles: *\nCopyright: 2026 the Klevar developers\n"
                                   "License: GPL-3+\n"));
}

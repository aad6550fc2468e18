// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Small catalogues written by the tests themselves, in the schema the program reads.
namespace TestCatalogue {
// The tables of the schema, empty.
QStringList schema();
// Runs the statements against a new SQLite file; true when all of them ran.
bool write(const QString &file, const QStringList &statements);
// Two classes (ids 1 and 2) with two and three types (ids 11, 12, 21, 17, 1234); type
// 11 offers x264 and mpeg4 (stored out of order) and has no sample rates; 12 has every
// option; the others have a video codec only.
QStringList twoClasses();
} // namespace TestCatalogue

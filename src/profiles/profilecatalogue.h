// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profiles/profileentry.h"

#include <QList>
#include <QSet>
#include <QString>

class ProfileDatabase;

// The entries of the profile chooser in the order shown: each class entry followed by the
// entries of its types, the types numbered through the whole list.
class ProfileCatalogue
{
public:
    // Reads every class and its types; false when the classes cannot be read at all
    // (the entries are then empty). A class whose types cannot be read keeps its entry.
    bool load(ProfileDatabase &database);
    void clear();

    const QList<ProfileEntry> &entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }

    // The number read from characters 2 to 5 of a key: "p017" -> 17, "p1234" -> 1234.
    static int typeIdOfKey(const QString &key);
    // At least three digits, zeros in front: 7 -> "007", 1234 -> "1234".
    static QString threeDigits(qint64 value);
    static QString classKey(qint64 id);
    static QString typeKey(qint64 id);
    // "001.  " + the type name.
    static QString typeText(int runningNumber, const QString &typeName);

private:
    // A key already in the list is not added again.
    void add(const ProfileEntry &entry);

    QList<ProfileEntry> m_entries;
    QSet<QString> m_keys;
};

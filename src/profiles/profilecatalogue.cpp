// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profilecatalogue.h"

#include "common/numerictext.h"
#include "profiles/classicons.h"
#include "profiles/profiledatabase.h"

bool ProfileCatalogue::load(ProfileDatabase &database)
{
    clear();
    const auto classes = database.classes();
    if (!classes)
        return false;
    int runningNumber = 0;
    for (const ProfileDatabase::ClassRow &row : *classes) {
        // A class without a picture is left out; its types still follow the previous
        // class's types.
        if (ClassIcons::has(row.id))
            add({classKey(row.id), row.name, int(row.id)});
        const auto types = database.types(row.firstColumn);
        if (!types)
            continue;
        for (const ProfileDatabase::TypeRow &type : *types) {
            ++runningNumber;
            add({typeKey(type.id), typeText(runningNumber, type.name), 0});
        }
    }
    return true;
}

void ProfileCatalogue::clear()
{
    m_entries.clear();
    m_keys.clear();
}

void ProfileCatalogue::add(const ProfileEntry &entry)
{
    if (m_keys.contains(entry.key))
        return;
    m_keys.insert(entry.key);
    m_entries.append(entry);
}

int ProfileCatalogue::typeIdOfKey(const QString &key)
{
    return int(NumericText::value(key.mid(1, 4)));
}

QString ProfileCatalogue::threeDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
}

QString ProfileCatalogue::classKey(qint64 id)
{
    return QLatin1Char('c') + threeDigits(id);
}

QString ProfileCatalogue::typeKey(qint64 id)
{
    return QLatin1Char('p') + threeDigits(id);
}

QString ProfileCatalogue::typeText(int runningNumber, const QString &typeName)
{
    return threeDigits(runningNumber) + QStringLiteral(".  ") + typeName;
}

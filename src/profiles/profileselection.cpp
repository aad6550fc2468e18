// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profileselection.h"

#include "profiles/profileoptions.h"
#include "settings/settings.h"

ProfileSelection::ProfileSelection(OptionSet *options) : m_options(options) {}

bool ProfileSelection::open(const QString &file)
{
    m_selected = -1;
    m_catalogue.clear();
    if (!m_database.open(file))
        return false;
    return m_catalogue.load(m_database);
}

void ProfileSelection::close()
{
    m_database.close();
}

void ProfileSelection::select(int position)
{
    m_selected = position >= 1 && position <= count() ? position - 1 : -1;
}

QString ProfileSelection::selectedCaption() const
{
    return m_selected >= 0 ? entries().at(m_selected).text : QString();
}

QString ProfileSelection::selectedKey() const
{
    return m_selected >= 0 ? entries().at(m_selected).key : QString();
}

void ProfileSelection::LoadProfileOptions()
{
    if (m_options)
        m_selected =
            ProfileOptions::LoadProfileOptions(m_database, entries(), m_selected, *m_options);
}

void ProfileSelection::choose(int position)
{
    select(position);
    LoadProfileOptions();
}

int ProfileSelection::storedPosition() const
{
    const QString key = Settings::profileType();
    const QList<ProfileEntry> &all = entries();
    for (qsizetype i = 0; !key.isEmpty() && i < all.size(); ++i) {
        if (all[i].key == key)
            return int(i) + 1;
    }
    return Settings::profile();
}

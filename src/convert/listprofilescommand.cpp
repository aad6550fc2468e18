// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/listprofilescommand.h"

#include "common/argumentreader.h"
#include "common/tabtext.h"
#include "profiles/optionset.h"
#include "profiles/profileselection.h"

#include <QTextStream>

int ListProfilesCommand::run(QTextStream &out, QTextStream &err)
{
    OptionSet options;
    ProfileSelection selection(&options);
    if (!selection.open())
        return ArgumentReader::refuse(err, QStringLiteral("cannot read the profile catalogue ") +
                                               selection.databaseFile());
    int position = 0;
    for (const ProfileEntry &entry : selection.entries())
        out << TabText::line({QString::number(++position), entry.key, entry.text}) << '\n';
    out.flush();
    return 0;
}

#include "convert/listprofilescommand.h"

#include "profiles/optionset.h"
#include "profiles/profileselection.h"

#include <QTextStream>

int ListProfilesCommand::run(QTextStream &out, QTextStream &err)
{
    OptionSet options;
    ProfileSelection selection(&options);
    if (!selection.open()) {
        err << "klevar: cannot read the profile catalogue " << selection.databaseFile() << '\n';
        err.flush();
        return 2;
    }
    int position = 0;
    for (const ProfileEntry &entry : selection.entries())
        out << ++position << '\t' << entry.key << '\t' << entry.text << '\n';
    out.flush();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/playercommand.h"

#include "common/appfolder.h"

QString PlayerCommand::options(Blanks blanks)
{
    int beforeVo = 3;
    int beforeVf = 2;
    switch (blanks) {
    case Blanks::Vo3Vf2:
        break;
    case Blanks::Vo4Vf1:
        beforeVo = 4;
        beforeVf = 1;
        break;
    case Blanks::Vo4Vf2:
        beforeVo = 4;
        break;
    case Blanks::Vo3Vf3:
        beforeVf = 3;
        break;
    }
    // The installed player refuses a "-priority" option, so there is none.
    return QStringLiteral(
               " -framedrop   -colorkey  0  -nokeepaspect   -framedrop   -autosync   100") +
           QString(beforeVo, QLatin1Char(' ')) + QStringLiteral("-vo gl2") +
           QString(beforeVf, QLatin1Char(' ')) + QStringLiteral("-vf   screenshot ");
}

CommandLine PlayerCommand::build(const QString &file, qint64 windowId, std::optional<qint32> start,
                                 Blanks blanks)
{
    CommandLine command;
    command.addQuoted(AppFolder() + QStringLiteral("mp.dll"));
    if (start)
        command.addText(QStringLiteral(" -ss ") + QString::number(*start));
    // The number has a sign position: a blank when it is not negative.
    command.addText(QStringLiteral(" -wid ") +
                    (windowId < 0 ? QStringLiteral("-") : QStringLiteral(" ")) +
                    QString::number(qAbs(windowId)));
    command.addText(options(blanks));
    command.addQuoted(file);
    return command;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/playerheaders.h"

#include <QStringList>

void PlayerHeaders::add(CommandLine &command, const InetTransfer::Headers &headers)
{
    QStringList fields;
    for (const auto &[name, value] : headers) {
        const QString text = QString::fromUtf8(value);
        if (name.compare("User-Agent", Qt::CaseInsensitive) == 0)
            command.addText(QStringLiteral(" -user-agent ")).addQuoted(text);
        else if (name.compare("Referer", Qt::CaseInsensitive) == 0)
            command.addText(QStringLiteral(" -referrer ")).addQuoted(text);
        else if (!text.contains(u','))
            fields.append(QString::fromLatin1(name) + QStringLiteral(": ") + text);
    }
    if (!fields.isEmpty())
        command.addText(QStringLiteral(" -http-header-fields ")).addQuoted(fields.join(u','));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/ytdlpprogram.h"

#include "settings/settings.h"

#include <QFileInfo>
#include <QStandardPaths>

QString YtDlpProgram::path()
{
    const QString stored = Settings::read(Settings::YtDlpKey).trimmed();
    if (stored.isEmpty())
        return QStandardPaths::findExecutable(QStringLiteral("yt-dlp"));
    const QFileInfo file(stored);
    return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
}

QString YtDlpProgram::missingText()
{
    return QStringLiteral("This page needs yt-dlp: install it with \"sudo apt install yt-dlp\" "
                          "(\"pipx install yt-dlp\" for the newest, which reads more sites).");
}

QString YtDlpProgram::errorIn(const QStringList &lines)
{
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines[i].startsWith(QLatin1String("ERROR:")))
            return lines[i].mid(6).trimmed();
    }
    return QString();
}

QStringList YtDlpProgram::commonArguments()
{
    return {QStringLiteral("--ignore-config"), QStringLiteral("--no-cache-dir"),
            QStringLiteral("--no-playlist"), QStringLiteral("--no-colors")};
}

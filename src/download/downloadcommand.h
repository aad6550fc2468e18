// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;
class QUrl;

// "klevar --download [--output DIR] URL QUALITY": reads the watch page, then downloads
// that quality as its button does after Yes (the same file name, ".part" and resume)
// into the download folder or DIR. Progress goes to standard error, the saved file's
// full path to standard output.
class DownloadCommand
{
public:
    struct Arguments
    {
        QString outputFolder;
        QString address;
        QString quality;
        QString error; // why the arguments cannot be used; empty when they can
    };
    static Arguments parse(const QStringList &arguments);

    // Progress rewritten in place (a terminal) or one line each half second.
    void setLiveProgress(bool live) { m_live = live; }

    // The arguments after "--download". 0: the file is complete; 1: the page could not
    // be loaded or the download failed; 2: bad arguments or a quality the page does not
    // offer; 130: interrupted (the ".part" stays for the next time).
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

private:
    int transfer(const QUrl &url, const QString &folder, const QString &fileName, QTextStream &out,
                 QTextStream &err);

    bool m_live = false;
};

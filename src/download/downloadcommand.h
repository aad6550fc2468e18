// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class DownloadTask;
class QTextStream;
class QUrl;
struct YtDlpVideo;

// "klevar --download [--output DIR] URL QUALITY": reads the watch page, then downloads
// that quality as its button does after Yes (the same file name, ".part" and resume)
// into the download folder or DIR. A page without the old stream map is read by yt-dlp
// and its format fetched as the window fetches it. Progress goes to standard error, the
// saved file's full path to standard output.
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
    int fromYtDlp(const YtDlpVideo &video, const Arguments &args, const QString &folder,
                  QTextStream &out, QTextStream &err);
    // Runs the download that start begins in task, waiting here.
    int transfer(DownloadTask &task, const std::function<bool()> &start, QTextStream &out,
                 QTextStream &err);

    bool m_live = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/watchinfocommand.h"

#include "common/argumentreader.h"
#include "common/tabtext.h"
#include "common/terminationwatch.h"
#include "download/inettransfer.h"
#include "download/pageloader.h"
#include "download/streamquality.h"
#include "download/watchpage.h"
#include "download/watchpagetext.h"
#include "download/ytdlpprogram.h"
#include "download/ytdlpreader.h"
#include "download/ytdlpstreams.h"

#include <QEventLoop>
#include <QTextStream>

QString WatchInfoCommand::escaped(const QString &value)
{
    // A page's CR LF is one line break, as is a CR alone.
    QString text = value;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return TabText::field(text);
}

std::optional<QString> WatchInfoCommand::fetchPage(const QString &address, QTextStream &err)
{
    InetTransfer transfer;
    PageLoader loader(&transfer);
    QString page;
    QString error;
    // No window waits on this: the command's own loop runs until the page is there.
    QEventLoop loop;
    QObject::connect(&loader, &PageLoader::loaded, &loop,
                     [&](const QString &text, const QString &why, bool) {
                         page = text;
                         error = why;
                         loop.quit();
                     });
    loader.LoadPage(address);
    loop.exec();
    if (!error.isEmpty()) {
        err << "klevar: cannot load " << address << ": " << error << '\n';
        err.flush();
        return std::nullopt;
    }
    return page;
}

std::optional<YtDlpVideo> WatchInfoCommand::describe(const QString &address, QTextStream &err,
                                                     bool &failed)
{
    failed = false;
    YtDlpReader reader;
    std::optional<YtDlpVideo> video;
    QString why;
    QEventLoop loop;
    QObject::connect(&reader, &YtDlpReader::described, &loop, [&](const YtDlpVideo &read) {
        video = read;
        loop.quit();
    });
    QObject::connect(&reader, &YtDlpReader::failed, &loop, [&](const QString &reason) {
        why = reason;
        loop.quit();
    });
    TerminationWatch interruption;
    QObject::connect(&interruption, &TerminationWatch::requested, &loop, [&] {
        why = QStringLiteral("stopped");
        reader.cancel();
        loop.quit();
    });
    if (!reader.read(QUrl(address.trimmed()))) {
        err << "klevar: " << YtDlpProgram::missingText() << '\n';
        err.flush();
        return std::nullopt;
    }
    loop.exec();
    if (!video) {
        failed = true;
        err << "klevar: " << why << '\n';
        err.flush();
    }
    return video;
}

void WatchInfoCommand::printDetails(const VideoDetails &d, QTextStream &out)
{
    const QList<std::pair<const char *, QString>> details = {{"title", d.VideoTitle},
                                                             {"author", d.VideoAuthor},
                                                             {"published", d.VideoPublished},
                                                             {"category", d.VideoCategory},
                                                             {"length", d.VideoLength},
                                                             {"rating", d.VideoRating},
                                                             {"id", d.VideoId},
                                                             {"thumbnail", d.ThumbnailUrl},
                                                             {"description", d.VideoDescription}};
    for (const auto &[name, value] : details)
        out << name << '\t' << escaped(value) << '\n';
}

void WatchInfoCommand::printOldStreams(const QString &page, QTextStream &out, QTextStream &err)
{
    StreamAddresses addresses;
    const QList<StreamQuality> found = WatchPage::GetURLs(page, addresses);
    for (const StreamQualityInfo &info : StreamQualities::all()) {
        if (!found.contains(info.quality))
            continue;
        const QUrl url = WatchPageText::streamUrl(addresses.at(info.quality));
        if (url.isEmpty())
            err << "klevar: the " << info.name << " address cannot be used\n";
        else
            out << TabText::line({QStringLiteral("stream"), info.name,
                                  url.toString(QUrl::FullyEncoded)})
                << '\n';
    }
}

void WatchInfoCommand::printYtDlpStreams(const YtDlpVideo &video, QTextStream &out)
{
    const YtDlpStreams streams(video);
    for (const StreamQualityInfo &info : StreamQualities::all()) {
        if (const FormatChoice *format = streams.choice(info.quality))
            out << TabText::line({QStringLiteral("stream"), info.name,
                                  format->video.url.toString(QUrl::FullyEncoded), format->selector(),
                                  format->extension()})
                << '\n';
    }
}

int WatchInfoCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const ArgumentReader reader(arguments);
    if (!reader.error().isEmpty())
        return ArgumentReader::refuse(err, reader.error());
    if (reader.plain().size() != 1)
        return ArgumentReader::refuse(err, QStringLiteral("--watch-info takes one address"));
    const std::optional<QString> page = fetchPage(reader.plain().first(), err);
    if (!page)
        return 1;
    if (!WatchPage::hasStreamMap(*page)) {
        bool failed = false;
        if (const std::optional<YtDlpVideo> video = describe(reader.plain().first(), err, failed)) {
            printDetails(video->details, out);
            printYtDlpStreams(*video, out);
            out.flush();
            return 0;
        }
        if (failed)
            return 1;
    }
    VideoDetails d;
    WatchPage::ParseWatchPage(*page, d);
    printDetails(WatchPage::shown(d), out);
    printOldStreams(*page, out, err);
    out.flush();
    err.flush();
    return 0;
}

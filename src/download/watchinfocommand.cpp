// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/watchinfocommand.h"

#include "common/argumentreader.h"
#include "common/tabtext.h"

#include "download/inettransfer.h"
#include "download/pageloader.h"
#include "download/streamquality.h"
#include "download/watchpage.h"
#include "download/watchpagetext.h"

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

    VideoDetails d;
    WatchPage::ParseWatchPage(*page, d);
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

    StreamAddresses addresses;
    const QList<StreamQuality> found = WatchPage::GetURLs(*page, addresses);
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
    out.flush();
    err.flush();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/downloadcommand.h"

#include "common/argumentreader.h"
#include "common/programplaces.h"
#include "common/terminationwatch.h"
#include "download/safefilename.h"
#include "download/streamdownload.h"
#include "download/transferrate.h"
#include "download/watchinfocommand.h"
#include "download/watchpage.h"
#include "download/watchpagetext.h"
#include "download/ytdlpdownload.h"
#include "download/ytdlpstreams.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

namespace {
constexpr int ProgressMs = 500;

// Done so far, the speed and, while it runs, the time left.
QString progressLine(const DownloadTask &download, const TransferRate &rate, bool running)
{
    const DownloadProgress &p = download.progress();
    const QString done =
        p.totalKnown()
            ? DownloadProgress::percentText(DownloadProgress::percent(p.received(), p.total()))
            : DownloadProgress::amountText(p.received());
    const QString speed = rate.text(p.totalKnown() && running ? p.total() : -1);
    return speed.isEmpty() ? done : done + QStringLiteral("  ") + speed;
}
} // namespace

DownloadCommand::Arguments DownloadCommand::parse(const QStringList &arguments)
{
    Arguments parsed;
    const ArgumentReader reader(arguments, {QStringLiteral("--output")});
    parsed.error = reader.error();
    if (!parsed.error.isEmpty())
        return parsed;
    const QStringList plain = reader.plain();
    if (plain.size() != 2) {
        parsed.error = QStringLiteral("--download takes an address and a quality");
        return parsed;
    }
    parsed.outputFolder = reader.value(QStringLiteral("--output"));
    parsed.address = plain[0];
    parsed.quality = plain[1];
    if (!StreamQualities::byName(parsed.quality))
        parsed.error =
            QStringLiteral("unknown quality %1 (mp4, hd-low, hd-high or flv)").arg(parsed.quality);
    return parsed;
}

int DownloadCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const Arguments args = parse(arguments);
    if (!args.error.isEmpty())
        return ArgumentReader::refuse(err, args.error);
    QString folder = ProgramPlaces::downloadFolder();
    if (!args.outputFolder.isEmpty()) {
        folder = QFileInfo(args.outputFolder).absoluteFilePath() + QLatin1Char('/');
        if (!QDir().mkpath(folder))
            return ArgumentReader::refuse(err, QStringLiteral("cannot make the folder ") + folder);
    }
    const std::optional<QString> page = WatchInfoCommand::fetchPage(args.address, err);
    if (!page)
        return 1;
    if (!WatchPage::hasStreamMap(*page)) {
        bool failed = false;
        if (const std::optional<YtDlpVideo> video =
                WatchInfoCommand::describe(args.address, err, failed))
            return fromYtDlp(*video, args, folder, out, err);
        if (failed)
            return 1;
    }
    VideoDetails details;
    WatchPage::ParseWatchPage(*page, details);
    StreamAddresses addresses;
    const StreamQualityInfo &info = *StreamQualities::byName(args.quality);
    if (!WatchPage::GetURLs(*page, addresses).contains(info.quality))
        return ArgumentReader::refuse(
            err, QStringLiteral("the page offers no %1 stream").arg(info.name));
    const QUrl url = WatchPageText::streamUrl(addresses.at(info.quality));
    if (url.isEmpty()) {
        err << "klevar: Error-The address of this stream cannot be read.\n";
        err.flush();
        return 1;
    }
    const QString name =
        SafeFileName::make(details.VideoTitle, QString::fromLatin1(info.suffix), details.VideoId);
    StreamDownload download;
    return transfer(
        download, [&] { return download.DownloadStream(url, folder, name); }, out, err);
}

int DownloadCommand::fromYtDlp(const YtDlpVideo &video, const Arguments &args,
                               const QString &folder, QTextStream &out, QTextStream &err)
{
    const YtDlpStreams streams(video);
    const StreamQualityInfo &info = *StreamQualities::byName(args.quality);
    if (!streams.choice(info.quality))
        return ArgumentReader::refuse(err, QStringLiteral("the page offers no %1 stream").arg(info.name));
    StreamDownload engine;
    YtDlpDownload ytdlp;
    DownloadTask &task = streams.choice(info.quality)->isPlainFile()
                             ? static_cast<DownloadTask &>(engine)
                             : static_cast<DownloadTask &>(ytdlp);
    return transfer(
        task, [&] { return streams.startDownload(info.quality, folder, engine, ytdlp); }, out, err);
}

int DownloadCommand::transfer(DownloadTask &download, const std::function<bool()> &start,
                              QTextStream &out, QTextStream &err)
{
    TransferRate rate;
    QElapsedTimer clock;
    clock.start();
    QTimer ticker;
    ticker.setInterval(ProgressMs);
    QObject::connect(&ticker, &QTimer::timeout, &download, [&] {
        rate.sample(clock.elapsed(), download.progress().received());
        err << progressLine(download, rate, true) << (m_live ? "\x1b[K\r" : "\n");
        err.flush();
    });
    QEventLoop loop;
    bool ok = false;
    QString error;
    QObject::connect(&download, &DownloadTask::started, &download,
                     [&] { rate.sample(clock.elapsed(), download.progress().received()); });
    QObject::connect(&download, &DownloadTask::finished, &loop, [&](bool done, const QString &why) {
        ok = done;
        error = why;
        loop.quit();
    });
    TerminationWatch interruption;
    bool interrupted = false;
    QObject::connect(&interruption, &TerminationWatch::requested, &loop, [&] {
        interrupted = true;
        download.cancel();
        loop.quit();
    });
    if (!start()) {
        err << "klevar: Error-the download could not be started\n";
        err.flush();
        return 1;
    }
    ticker.start();
    loop.exec();
    ticker.stop();
    if (m_live)
        err << '\n';
    if (interrupted) {
        err << "klevar: stopped; " << download.partPath() << " stays for the next time\n";
        err.flush();
        return 130;
    }
    if (!ok) {
        err << "klevar: Error-" << error << '\n';
        err.flush();
        return 1;
    }
    rate.sample(clock.elapsed(), download.progress().received());
    err << progressLine(download, rate, false) << '\n';
    err.flush();
    out << download.filePath() << '\n';
    out.flush();
    return 0;
}

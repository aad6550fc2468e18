// SPDX-License-Identifier: GPL-3.0-or-later
// A large stream from a loopback server, downloaded by the downloader's own engine and by
// curl in the same run: the engine should cost little more time than curl and little of
// the processor while the bytes go to disk. The server is a child process of its own
// (sendfile on a plain socket), so its work never counts as the engine's. The same
// stream is also read the way a page of today's web is: an HTML5 page that yt-dlp
// describes, then the file, from the page's address to the complete file.

#include "download/downloadtask.h"
#include "download/streamdownload.h"
#include "download/watchinfocommand.h"
#include "download/ytdlpdownload.h"
#include "download/ytdlpstreams.h"
#include "download/ytdlpvideo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ownCpuSeconds()
{
    return cpuSeconds(RUSAGE_SELF);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool makeStream(const QString &path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < block.size(); ++i)
        block[i] = char((i * 2654435761u) >> 24);
    for (qint64 left = bytes; left > 0; left -= block.size()) {
        if (file.write(block.constData(), qMin<qint64>(left, block.size())) < 0)
            return false;
    }
    return true;
}

// The server: one answer per connection, the file sent by the kernel.
[[noreturn]] void serve(int listener, const char *path)
{
    struct stat info
    {
    };
    ::stat(path, &info);
    for (;;) {
        const int client = ::accept(listener, nullptr, nullptr);
        if (client < 0)
            continue;
        char request[8192];
        ssize_t got = 0;
        while (got < ssize_t(sizeof request) - 1) {
            const ssize_t n = ::read(client, request + got, sizeof request - 1 - got);
            if (n <= 0)
                break;
            got += n;
            request[got] = 0;
            if (std::strstr(request, "\r\n\r\n"))
                break;
        }
        // "?rate=N": N megabytes a second at most, as a fast connection would bring them.
        const char *rate = std::strstr(request, "rate=");
        const long perSecond = rate ? std::atol(rate + 5) << 20 : 0;
        // "/page": a video page whose one source is the stream, at the same rate.
        if (std::strncmp(request, "GET /page", 9) == 0) {
            char page[1024];
            const int pageSize = std::snprintf(
                page, sizeof page,
                "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
                "<html><head><title>Bench</title></head><body><video controls>"
                "<source src=\"/stream?rate=%ld\" type=\"video/mp4\" res=\"720\">"
                "</video></body></html>",
                perSecond >> 20);
            if (::write(client, page, pageSize) != pageSize)
                std::perror("bench_download: page");
            ::close(client);
            continue;
        }
        char head[256];
        const int headSize = std::snprintf(head, sizeof head,
                                           "HTTP/1.1 200 OK\r\nContent-Length: %lld\r\n"
                                           "Content-Type: application/octet-stream\r\n"
                                           "Connection: close\r\n\r\n",
                                           static_cast<long long>(info.st_size));
        if (::write(client, head, headSize) == headSize) {
            const int file = ::open(path, O_RDONLY);
            off_t offset = 0;
            // Paced: a slice every 10 ms.
            const off_t slice = perSecond > 0 ? perSecond / 100 : info.st_size;
            while (offset<info.st_size && ::sendfile(
                       client, file, &offset, std::min<off_t>(slice, info.st_size - offset))> 0) {
                if (perSecond > 0)
                    ::usleep(10000);
            }
            ::close(file);
        }
        ::close(client);
    }
}

// Starts the server on 127.0.0.1 and a free port; its process id and port.
std::pair<pid_t, int> startServer(const QString &path)
{
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr *>(&address), size) != 0 ||
        ::listen(listener, 8) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &size) != 0)
        return {-1, 0};
    const QByteArray file = QFile::encodeName(path);
    const pid_t child = ::fork();
    if (child == 0)
        serve(listener, file.constData());
    ::close(listener);
    return {child, ntohs(address.sin_port)};
}

struct Run
{
    double seconds = -1;
    double cpu = 0; // processor seconds of the downloading program
    double cpuShare() const { return seconds > 0 ? cpu / seconds * 100 : 0; }
};

Run timeCurl(const QString &curl, const QString &url, const QString &output)
{
    // curl's processor time reaches this process once it has been waited for.
    const double cpu = cpuSeconds(RUSAGE_CHILDREN);
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.start(curl, {"-s", "-f", "-o", output, url});
    Run run;
    if (process.waitForFinished(600000) && process.exitCode() == 0) {
        run.seconds = clock.nsecsElapsed() / 1e9;
        run.cpu = cpuSeconds(RUSAGE_CHILDREN) - cpu;
    }
    return run;
}

Run timeEngine(const QString &url, const QString &folder)
{
    StreamDownload download;
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&download, &StreamDownload::finished, &loop, [&](bool done) {
        ok = done;
        loop.quit();
    });
    const double cpu = ownCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    download.DownloadStream(QUrl(url), folder, QStringLiteral("engine.bin"));
    loop.exec();
    Run run;
    if (ok) {
        run.seconds = clock.nsecsElapsed() / 1e9;
        run.cpu = ownCpuSeconds() - cpu;
    }
    return run;
}

// Page to complete file as "Get MP4" does it on a page that yt-dlp reads: the page, yt-dlp's
// description, the format's download.
Run timeYtDlp(const QString &pageUrl, const QString &folder)
{
    const double cpu = ownCpuSeconds() + cpuSeconds(RUSAGE_CHILDREN);
    QElapsedTimer clock;
    clock.start();
    QString errors;
    QTextStream err(&errors);
    bool failed = false;
    Run run;
    std::optional<YtDlpVideo> video;
    if (WatchInfoCommand::fetchPage(pageUrl, err))
        video = WatchInfoCommand::describe(pageUrl, err, failed);
    if (!video) {
        std::fprintf(stderr, "bench_download: %s\n", qPrintable(errors));
        return run;
    }
    const YtDlpStreams streams(*video);
    StreamDownload engine;
    YtDlpDownload ytdlp;
    QEventLoop loop;
    bool ok = false;
    for (DownloadTask *task :
         {static_cast<DownloadTask *>(&engine), static_cast<DownloadTask *>(&ytdlp)})
        QObject::connect(task, &DownloadTask::finished, &loop, [&](bool done) {
            ok = done;
            loop.quit();
        });
    if (!streams.startDownload(StreamQuality::Mp4, folder, engine, ytdlp))
        return run;
    loop.exec();
    if (ok) {
        run.seconds = clock.nsecsElapsed() / 1e9;
        run.cpu = ownCpuSeconds() + cpuSeconds(RUSAGE_CHILDREN) - cpu;
    }
    return run;
}

struct Figures
{
    double curlSeconds = 0;
    double curlCpu = 0; // percent of one core
    double engineSeconds = 0;
    double engineCpu = 0;
    double ytdlpSeconds = 0;
    bool sound = true;
};

Figures measure(const QString &curl, const QString &url, const QString &pageUrl,
                const QString &folder, qint64 bytes, int rounds)
{
    std::vector<double> curlTimes, curlCpu, engineTimes, engineCpu, ytdlpTimes;
    Figures f;
    const QString curlOut = folder + QStringLiteral("curl.bin");
    const QString engineOut = folder + QStringLiteral("engine.bin");
    for (int round = 0; round < rounds && f.sound; ++round) {
        // Alternate which goes first, so a warm or a busy disk favours neither.
        for (int turn = 0; turn < 2; ++turn) {
            const bool curlTurn = (round + turn) % 2 == 0;
            const Run run = curlTurn ? timeCurl(curl, url, curlOut) : timeEngine(url, folder);
            const QString output = curlTurn ? curlOut : engineOut;
            f.sound = f.sound && run.seconds > 0 && QFileInfo(output).size() == bytes;
            QFile::remove(output);
            (curlTurn ? curlTimes : engineTimes).push_back(run.seconds);
            (curlTurn ? curlCpu : engineCpu).push_back(run.cpuShare());
        }
        // yt-dlp's generic reader names the file after the page's title.
        const QString ytdlpOut = folder + QStringLiteral("Bench 1.mp4");
        const Run run = timeYtDlp(pageUrl, folder);
        f.sound = f.sound && run.seconds > 0 && QFileInfo(ytdlpOut).size() == bytes;
        QFile::remove(ytdlpOut);
        ytdlpTimes.push_back(run.seconds);
    }
    if (f.sound) {
        f.curlSeconds = median(curlTimes);
        f.curlCpu = median(curlCpu);
        f.engineSeconds = median(engineTimes);
        f.engineCpu = median(engineCpu);
        f.ytdlpSeconds = median(ytdlpTimes);
    }
    return f;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qint64 megabytes = args.size() > 1 ? args[1].toLongLong() : 200;
    const int rounds = args.size() > 2 ? args[2].toInt() : 3;
    const int paced = 50; // megabytes a second
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (curl.isEmpty()) {
        std::fputs("bench_download: curl is missing; it is Debian's package curl "
                   "(apt-get install curl)\n",
                   stderr);
        return 2;
    }
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    if (megabytes <= 0 || rounds <= 0 || !makeStream(folder + "source.bin", megabytes << 20)) {
        std::fputs("usage: bench_download [MEGABYTES] [ROUNDS]\n", stderr);
        return 2;
    }
    const auto [server, port] = startServer(folder + "source.bin");
    if (server <= 0) {
        std::fputs("bench_download: cannot start the loopback server\n", stderr);
        return 1;
    }
    const QString url = QStringLiteral("http://127.0.0.1:%1/stream").arg(port);
    const QString page = QStringLiteral("http://127.0.0.1:%1/page").arg(port);
    const QString rate = QStringLiteral("?rate=%1").arg(paced);
    const Figures full = measure(curl, url, page, folder, megabytes << 20, rounds);
    const Figures slow = measure(curl, url + rate, page + rate, folder, megabytes << 20, rounds);
    // A home connection: yt-dlp's own start, a second or two, weighs less against it.
    const int home = 20;
    const QString homeRate = QStringLiteral("?rate=%1").arg(home);
    const Figures slower =
        measure(curl, url + homeRate, page + homeRate, folder, megabytes << 20, rounds);
    ::kill(server, SIGTERM);
    ::waitpid(server, nullptr, 0);
    if (!full.sound || !slow.sound || !slower.sound) {
        std::fputs("bench_download: a download failed or came out short\n", stderr);
        return 1;
    }
    std::printf("%lld MB from 127.0.0.1 at full speed, median of %d rounds\n",
                static_cast<long long>(megabytes), rounds);
    std::printf("  curl:          %.3f s  %5.0f MB/s  CPU %3.0f %%\n", full.curlSeconds,
                megabytes / full.curlSeconds, full.curlCpu);
    std::printf("  Klevar engine: %.3f s  %5.0f MB/s  CPU %3.0f %%\n", full.engineSeconds,
                megabytes / full.engineSeconds, full.engineCpu);
    std::printf("  ratio:         %.2f x curl (target: within 1.2)\n",
                full.engineSeconds / full.curlSeconds);
    std::printf("  page through yt-dlp to complete file: %.3f s, %.2f x curl of the file\n",
                full.ytdlpSeconds, full.ytdlpSeconds / full.curlSeconds);
    std::printf("The same served at %d MB/s, median of %d rounds\n", paced, rounds);
    std::printf("  curl:          %.3f s  CPU %3.0f %%\n", slow.curlSeconds, slow.curlCpu);
    std::printf("  Klevar engine: %.3f s  CPU %3.0f %% (target: under 25)\n", slow.engineSeconds,
                slow.engineCpu);
    std::printf("  page through yt-dlp to complete file: %.3f s, %.2f x curl of the file "
                "(target: at most 1.3)\n",
                slow.ytdlpSeconds, slow.ytdlpSeconds / slow.curlSeconds);
    std::printf("The same served at %d MB/s, median of %d rounds\n", home, rounds);
    std::printf("  curl:          %.3f s\n", slower.curlSeconds);
    std::printf("  Klevar engine: %.3f s\n", slower.engineSeconds);
    std::printf("  page through yt-dlp to complete file: %.3f s, %.2f x curl of the file "
                "(target: at most 1.3)\n",
                slower.ytdlpSeconds, slower.ytdlpSeconds / slower.curlSeconds);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandlinemode.h"

#include "app/consoledesktop.h"
#include "capture/capturecommand.h"
#include "capture/listcapturedevicescommand.h"
#include "common/appinfo.h"
#include "common/argumentreader.h"
#include "common/terminationwatch.h"
#include "convert/convertcommand.h"
#include "convert/listprofilescommand.h"
#include "download/downloadcommand.h"
#include "download/watchinfocommand.h"
#include "media/probecommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <array>

#include <unistd.h>

namespace {
// A mode stops its children within a few seconds of SIGTERM or SIGINT; should anything
// keep it from hearing the signal, it ends all the same.
constexpr int StopDeadlineSeconds = 10;

const char *const WindowUsage = "Usage:\n"
                                "  klevar [--] [FILE...]\n"
                                "        Open the window and add the files to the queue; a folder adds\n"
                                "        the video files below it, sorted by path.\n";

const char *const Trailer =
    "Names that begin with \"-\" follow \"--\". None of these modes needs a display, but for "
    "recording the screen.\n"
    "In every tab-separated line, a tab, a line break and a backslash inside a\n"
    "field are written as \\t, \\n and \\\\ (a carriage return as \\r).\n";

// The list modes take nothing; anything given is refused as every mode refuses.
std::optional<int> refuseArguments(const char *mode, const QStringList &arguments, QTextStream &err)
{
    const ArgumentReader reader(arguments);
    if (!reader.error().isEmpty())
        return ArgumentReader::refuse(err, reader.error());
    if (!reader.plain().isEmpty())
        return ArgumentReader::refuse(err, QString::fromLatin1(mode) +
                                               QStringLiteral(" takes no arguments"));
    return std::nullopt;
}

int probe(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return ProbeCommand().run(arguments, out, err);
}

int listProfiles(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (const auto refused = refuseArguments("--list-profiles", arguments, err))
        return *refused;
    return ListProfilesCommand().run(out, err);
}

int convert(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return ConvertCommand().run(arguments, out, err);
}

int watchInfo(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return WatchInfoCommand().run(arguments, out, err);
}

int download(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    DownloadCommand command;
    command.setLiveProgress(::isatty(STDERR_FILENO));
    return command.run(arguments, out, err);
}

int listCaptureDevices(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (const auto refused = refuseArguments("--list-capture-devices", arguments, err))
        return *refused;
    return ListCaptureDevicesCommand().run(out);
}

int capture(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return CaptureCommand().run(arguments, out, err);
}

int help(const QStringList &, QTextStream &out, QTextStream &)
{
    out << CommandLineMode::helpText();
    out.flush();
    return 0;
}

const std::array<CommandLineMode::Mode, 8> Modes = {{
    {"--probe",
     "  --probe [--] FILE...\n"
     "        Print each file's name, start, end, frame size, format and length as\n"
     "        the window's list shows them, one tab-separated line per file. Exits 1\n"
     "        when a name given is not a readable file (its line is printed all the\n"
     "        same), 0 otherwise.\n",
     probe},
    {"--list-profiles",
     "  --list-profiles\n"
     "        Print the profile list: position, key and text of each entry. The\n"
     "        position (first) and a type's key (second, p006) are what --profile\n"
     "        takes; the number in a type's text (\"006.\") is not its position.\n",
     listProfiles},
    {"--convert",
     "  --convert [--profile N|KEY] [--output DIR] [--] FILE...\n"
     "        Convert the files without a window. N is a position of the profile list\n"
     "        as --list-profiles prints it first, KEY a type's key as it prints second\n"
     "        (p006); default: the profile chosen when the window was last closed. The\n"
     "        options are that profile's defaults. The existing-file rule and the\n"
     "        thread count come from settings.dat, the output folder too unless DIR\n"
     "        is given. Prints one line per file: row, total percent, status, output\n"
     "        file; a failed file is followed by the encoder's last lines. Standard\n"
     "        error shows the speed and the time left of the file and of the queue,\n"
     "        a line a second at most. Exits with 0 when every file converted, 1\n"
     "        when one did not, 2 on a usage error.\n",
     convert},
    {"--watch-info",
     "  --watch-info URL\n"
     "        Read a YouTube watch page as \"Get Direct Link\" does and print its\n"
     "        details, one \"name<TAB>value\" line each (title, author, published,\n"
     "        category, length, rating, id, thumbnail, description; tabs, line breaks\n"
     "        and backslashes written as \\t, \\n and \\\\), then one\n"
     "        \"stream<TAB>QUALITY<TAB>address\" line per quality the page offers (mp4,\n"
     "        hd-low, hd-high, flv), with the address as it is requested. A page\n"
     "        without the old stream map is read by yt-dlp when it is installed; its\n"
     "        stream lines add yt-dlp's format and the file's extension. Exits with 0\n"
     "        when the page was read, 1 when it could not be loaded or read, 2 on a\n"
     "        usage error.\n",
     watchInfo},
    {"--download",
     "  --download [--output DIR] [--] URL QUALITY\n"
     "        Read the watch page and download one quality (mp4, hd-low, hd-high,\n"
     "        flv) as its button does, named after the title, into the program's\n"
     "        folder or DIR. A \".part\" left by a failed download is carried on.\n"
     "        A page without the old stream map is read by yt-dlp, which also fetches\n"
     "        the formats it must assemble; the file takes the format's extension.\n"
     "        Progress goes to standard error, the saved file's path to standard\n"
     "        output. Exits with 0 for a complete file, 1 when the page or the\n"
     "        download failed, 2 on a usage error or a quality the page lacks.\n",
     download},
    {"--list-capture-devices",
     "  --list-capture-devices\n"
     "        Print the capture devices, index and name separated by a tab, in the\n"
     "        order of the capture window's list: cameras, then the screen of the\n"
     "        display in DISPLAY, when there is one.\n",
     listCaptureDevices},
    {"--capture",
     "  --capture [--device N] --seconds S [--] FILE\n"
     "        Record S seconds of device N (default 0) into the AVI file FILE,\n"
     "        replacing it. Prints \"F frames (D dropped) - T sec.\" every second and\n"
     "        at the end. Exits with 0 when FILE holds the finished recording, 1 when\n"
     "        the recording failed or was cut short (the reason on standard error),\n"
     "        2 on a usage error or when there is no device N.\n",
     capture},
    {"--help",
     "  --help, -h\n"
     "        Show this text.\n",
     help},
}};
} // namespace

std::span<const CommandLineMode::Mode> CommandLineMode::modes()
{
    return Modes;
}

const CommandLineMode::Mode *CommandLineMode::find(const QString &name)
{
    const QString wanted = name == QLatin1String("-h") ? QStringLiteral("--help") : name;
    for (const Mode &mode : Modes) {
        if (wanted == QLatin1String(mode.name))
            return &mode;
    }
    return nullptr;
}

QString CommandLineMode::helpText()
{
    QString text = QString::fromLatin1(WindowUsage);
    for (const Mode &mode : Modes)
        text += QString::fromLatin1(mode.usage);
    return text + QString::fromLatin1(Trailer);
}

QStringList CommandLineMode::windowFiles(const QStringList &arguments)
{
    QStringList files;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (i == 1 && arguments[i] == QLatin1String("--"))
            continue;
        if (!arguments[i].isEmpty())
            files << QFileInfo(arguments[i]).absoluteFilePath();
    }
    return files;
}

std::optional<int> CommandLineMode::run(int argc, char **argv)
{
    if (argc < 2)
        return std::nullopt;
    const QString name = QString::fromLocal8Bit(argv[1]);
    if (!name.startsWith(QLatin1Char('-')) || name == QLatin1String("--"))
        return std::nullopt;

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(AppTitle));
    TerminationWatch::endWithin(StopDeadlineSeconds);
    ConsoleDesktop desktop;
    Desktop::setInstance(&desktop);
    QTextStream out(stdout);
    QTextStream err(stderr);
    int code = ArgumentReader::UsageError;
    if (const Mode *mode = find(name)) {
        code = mode->run(QCoreApplication::arguments().mid(2), out, err);
    } else {
        ArgumentReader::refuse(err, QStringLiteral("unknown option ") + name);
        err << helpText();
    }
    out.flush();
    err.flush();
    Desktop::setInstance(nullptr);
    return code;
}

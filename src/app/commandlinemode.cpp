#include "app/commandlinemode.h"

#include "app/consoledesktop.h"
#include "capture/capturecommand.h"
#include "capture/listcapturedevicescommand.h"
#include "common/appinfo.h"
#include "common/terminationwatch.h"
#include "convert/convertcommand.h"
#include "convert/listprofilescommand.h"
#include "download/downloadcommand.h"
#include "download/watchinfocommand.h"
#include "media/probecommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

#include <unistd.h>

namespace {
// A mode stops its children within a few seconds of SIGTERM or SIGINT; should anything
// keep it from hearing the signal, it ends all the same.
constexpr int StopDeadlineSeconds = 10;

// Everything after the mode's name; "--" ends the options, so names may begin with "-".
QStringList filesAfter(const QStringList &args, int from, bool *badOption)
{
    QStringList files;
    bool optionsEnded = false;
    for (int i = from; i < args.size(); ++i) {
        if (!optionsEnded && args[i] == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && args[i].startsWith(QLatin1Char('-'))) {
            std::fprintf(stderr, "klevar: unknown option %s\n", qPrintable(args[i]));
            *badOption = true;
        } else {
            files << args[i];
        }
    }
    return files;
}

int probe(const QStringList &args)
{
    bool bad = false;
    const QStringList files = filesAfter(args, 2, &bad);
    if (bad)
        return 2;
    QTextStream out(stdout);
    const int code = ProbeCommand().run(files, out);
    if (code == 2)
        std::fputs("klevar: --probe needs at least one file\n", stderr);
    return code;
}
} // namespace

const char *CommandLineMode::usage()
{
    return "Usage:\n"
           "  klevar [--] [FILE...]\n"
           "        Open the window and add the files to the queue.\n"
           "  --probe [--] FILE...\n"
           "        Print each file's name, start, end, frame size, format and length as\n"
           "        the window's list shows them, one tab-separated line per file. Exits 1\n"
           "        when a name given is not a readable file (its line is printed all the\n"
           "        same), 0 otherwise.\n"
           "  --help\n"
           "        Show this text.\n";
}

namespace {
QString usageText()
{
    return QString::fromLatin1(CommandLineMode::usage()) + ConvertCommand::usage() +
           WatchInfoCommand::usage() + DownloadCommand::usage() + CaptureCommand::usage() +
           QStringLiteral("Names that begin with \"-\" follow \"--\". None of these modes needs "
                          "a display, but for recording the screen.\n"
                          "In every tab-separated line, a tab, a line break and a backslash "
                          "inside a\nfield are written as \\t, \\n and \\\\ (a carriage return "
                          "as \\r).\n");
}
} // namespace

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
    const QString mode = QString::fromLocal8Bit(argv[1]);
    if (mode == QLatin1String("--help") || mode == QLatin1String("-h")) {
        std::fputs(qPrintable(usageText()), stdout);
        return 0;
    }
    if (!mode.startsWith(QLatin1Char('-')) || mode == QLatin1String("--"))
        return std::nullopt;

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(AppTitle));
    TerminationWatch::endWithin(StopDeadlineSeconds);
    ConsoleDesktop desktop;
    Desktop::setInstance(&desktop);
    const QStringList args = QCoreApplication::arguments();
    int code = 2;
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (mode == QLatin1String("--probe")) {
        code = probe(args);
    } else if (mode == QLatin1String("--convert")) {
        code = ConvertCommand().run(args.mid(2), out, err);
    } else if (mode == QLatin1String("--list-profiles")) {
        code = ListProfilesCommand().run(out, err);
    } else if (mode == QLatin1String("--watch-info")) {
        code = WatchInfoCommand().run(args.mid(2), out, err);
    } else if (mode == QLatin1String("--download")) {
        DownloadCommand command;
        command.setLiveProgress(::isatty(STDERR_FILENO));
        code = command.run(args.mid(2), out, err);
    } else if (mode == QLatin1String("--list-capture-devices")) {
        code = ListCaptureDevicesCommand().run(out);
    } else if (mode == QLatin1String("--capture")) {
        code = CaptureCommand().run(args.mid(2), out, err);
    } else {
        std::fprintf(stderr, "klevar: unknown option %s\n%s", qPrintable(mode),
                     qPrintable(usageText()));
    }
    Desktop::setInstance(nullptr);
    return code;
}

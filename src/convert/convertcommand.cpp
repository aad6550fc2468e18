#include "convert/convertcommand.h"

#include "common/tabtext.h"
#include "common/terminationwatch.h"
#include "convert/conversionrun.h"
#include "convert/runtimeleft.h"
#include "media/conversionlist.h"
#include "media/mediaprobe.h"
#include "profiles/optionset.h"
#include "profiles/profileoptions.h"
#include "profiles/profileselection.h"
#include "settings/settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

namespace {
// Files are handed over as full paths, as the window does: the encoder runs in the
// program's folder, and a name such as "-x.avi" must not read as an option.
QString fullPath(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Stops whatever runs (a probe, an encoder) when the user interrupts the program.
struct Interruption
{
    TerminationWatch watch;
    bool happened = false;
};

bool probeAll(ConversionList &list, const QStringList &files, Interruption &interruption)
{
    MediaProbe probe(&list);
    QEventLoop loop;
    QObject::connect(&probe, &MediaProbe::idle, &loop, &QEventLoop::quit);
    QObject::connect(&interruption.watch, &TerminationWatch::requested, &loop, [&] {
        interruption.happened = true;
        loop.quit();
    });
    for (const QString &file : files)
        probe.AddVideoFile(fullPath(file));
    if (probe.isBusy())
        loop.exec();
    return !interruption.happened;
}

void printRow(QTextStream &out, const ConversionList &list, int row, int total,
              const QString &status, const QString &output)
{
    out << TabText::line({QString::number(row + 1), QString::number(total) + QLatin1Char('%'),
                          status, output})
        << '\n';
    if (status != QLatin1String("OK")) {
        const QStringList why = list.toolTip(row).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &line : why)
            out << "  " << line << '\n';
    }
    out.flush();
}

// The speed and the time left on standard error, a line a second at most, so a long
// run's log stays readable while standard output keeps one line per file.
void reportTimeLeft(ConversionRun &run, QTextStream &err)
{
    auto *timeLeft = new RunTimeLeft(&run, &run);
    QObject::connect(
        timeLeft, &RunTimeLeft::changed, &run,
        [&err, lastLine = QElapsedTimer()](const QString &speed, const QString &left) mutable {
            if (lastLine.isValid() && lastLine.elapsed() < 1000)
                return;
            lastLine.start();
            err << "Speed: " << speed << "  Time left: " << left << '\n';
            err.flush();
        });
}

int convertQueue(const QStringList &files, const QString &folder, OptionSet &options,
                 const QString &caption, QTextStream &out, QTextStream &err)
{
    Interruption interruption;
    ConversionList list;
    if (!probeAll(list, files, interruption)) {
        err << "klevar: stopped\n";
        return 130;
    }
    ConversionRun run(&list, &options, [caption] { return caption; });
    run.setOutputFolder(folder);
    run.setFailureHint(QStringLiteral("The encoder's last lines are printed under each failed "
                                      "file."));
    QEventLoop loop;
    QObject::connect(&interruption.watch, &TerminationWatch::requested, &run, [&] {
        interruption.happened = true;
        run.stop();
    });
    QObject::connect(&run, &ConversionRun::rowFinished, &run,
                     [&](int row, const QString &status, const QString &output) {
                         printRow(out, list, row, run.totalProgress(), status, output);
                     });
    QObject::connect(&run, &ConversionRun::finished, &loop, &QEventLoop::quit);
    reportTimeLeft(run, err);
    run.start();
    if (run.isRunning())
        loop.exec();
    if (interruption.happened) {
        err << "klevar: stopped\n";
        return 130;
    }
    for (int row = 0; row < list.count(); ++row) {
        if (list.text(row, ConversionList::Status) != QLatin1String("OK"))
            return 1;
    }
    return 0;
}
} // namespace

ConvertCommand::Arguments ConvertCommand::parse(const QStringList &arguments)
{
    Arguments parsed;
    bool options = true;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (!options || !a.startsWith(QLatin1Char('-'))) {
            parsed.files << a;
        } else if (a == QLatin1String("--")) {
            options = false;
        } else if (a == QLatin1String("--profile") || a == QLatin1String("--output")) {
            if (i + 1 >= arguments.size()) {
                parsed.error = a + QStringLiteral(" needs a value");
                return parsed;
            }
            const QString value = arguments[++i];
            if (a == QLatin1String("--output")) {
                parsed.outputFolder = value;
                continue;
            }
            bool number = false;
            parsed.profile = value.toInt(&number);
            if (!number || parsed.profile < 1) {
                parsed.error = QStringLiteral("--profile takes a position of the profile "
                                              "list, 1 or more: ") +
                               value;
                return parsed;
            }
        } else {
            parsed.error = QStringLiteral("unknown option ") + a +
                           QStringLiteral(" (put -- before a file named so)");
            return parsed;
        }
    }
    if (parsed.files.isEmpty() && parsed.error.isEmpty())
        parsed.error = QStringLiteral("no file to convert");
    return parsed;
}

QString ConvertCommand::usage()
{
    return QStringLiteral(
        "  --convert [--profile N] [--output DIR] [--] FILE...\n"
        "        Convert the files without a window. N is a position of the profile list\n"
        "        (default: the profile chosen when the window was last closed); the\n"
        "        options are that profile's defaults. The existing-file rule and the\n"
        "        thread count come from settings.dat, the output folder too unless DIR\n"
        "        is given. Prints one line per file: row, total percent, status, output\n"
        "        file; a failed file is followed by the encoder's last lines. Standard\n"
        "        error shows the speed and the time left of the file and of the queue,\n"
        "        a line a second at most. Exits with 0 when every file converted, 1\n"
        "        when one did not, 2 on a usage error.\n"
        "  --list-profiles\n"
        "        Print the profile list: position, key and text of each entry.\n");
}

int ConvertCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const auto fail = [&err](const QString &why) {
        err << "klevar: " << why << '\n';
        err.flush();
        return 2;
    };
    const Arguments args = parse(arguments);
    if (!args.error.isEmpty())
        return fail(args.error);

    OptionSet options;
    ProfileOptions::prolist(options);
    ProfileSelection profiles(&options);
    if (!profiles.open())
        return fail(QStringLiteral("cannot read the profile catalogue ") + profiles.databaseFile());
    const int position = args.profile ? args.profile : profiles.storedPosition();
    if (position < 1)
        return fail(QStringLiteral("no profile chosen: give --profile N "
                                   "(klevar --list-profiles shows them)"));
    if (position > profiles.count())
        return fail(QStringLiteral("there is no profile %1; the list has %2 entries")
                        .arg(position)
                        .arg(profiles.count()));
    profiles.choose(position);
    const QString caption = profiles.selectedCaption();

    for (const QString &file : args.files) {
        if (!QFileInfo(file).isFile())
            return fail(QStringLiteral("no such file: ") + file);
    }
    QString folder;
    if (!args.outputFolder.isEmpty()) {
        folder = fullPath(args.outputFolder);
        if (!QDir().mkpath(folder))
            return fail(QStringLiteral("cannot make the output folder ") + folder);
    }
    return convertQueue(args.files, folder, options, caption, out, err);
}

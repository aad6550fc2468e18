// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/convertcommand.h"

#include "common/argumentreader.h"
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
    const ArgumentReader reader(arguments,
                                {QStringLiteral("--profile"), QStringLiteral("--output")});
    parsed.error = reader.error();
    if (!parsed.error.isEmpty())
        return parsed;
    parsed.outputFolder = reader.value(QStringLiteral("--output"));
    parsed.files = reader.plain();
    if (reader.has(QStringLiteral("--profile"))) {
        const QString value = reader.value(QStringLiteral("--profile"));
        bool number = false;
        parsed.profile = value.toInt(&number);
        if (!number || parsed.profile < 1)
            parsed.error =
                QStringLiteral("--profile takes a position of the profile list, 1 or more: ") +
                value;
    }
    if (parsed.files.isEmpty() && parsed.error.isEmpty())
        parsed.error = QStringLiteral("no file to convert");
    return parsed;
}

int ConvertCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const auto fail = [&err](const QString &why) { return ArgumentReader::refuse(err, why); };
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

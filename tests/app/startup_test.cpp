// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandlinemode.h"
#include "common/programfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
struct ProgramRun
{
    int exitCode;
    QProcess::ExitStatus status;
    QString errors;
};

ProgramRun startWith(QProcessEnvironment env, const QStringList &arguments = {})
{
    QProcess p;
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(ProgramFolder::buildFolder() + "/klevar", arguments);
    EXPECT_TRUE(p.waitForFinished(20000));
    return {p.exitCode(), p.exitStatus(), QString::fromLocal8Bit(p.readAllStandardError())};
}
} // namespace

TEST(Startup, WithoutADisplayTheProgramSaysSoInOneLineAndFails)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    const ProgramRun unset = startWith(env);
    EXPECT_EQ(unset.status, QProcess::NormalExit);
    EXPECT_NE(unset.exitCode, 0);
    EXPECT_EQ(unset.errors.count('\n'), 1) << unset.errors.toStdString();
    EXPECT_TRUE(unset.errors.contains("display")) << unset.errors.toStdString();

    env.insert("DISPLAY", ":7391"); // no X server answers there
    const ProgramRun unreachable = startWith(env);
    EXPECT_EQ(unreachable.status, QProcess::NormalExit); // no abort inside the toolkit
    EXPECT_NE(unreachable.exitCode, 0);
    EXPECT_EQ(unreachable.errors.trimmed().count('\n'), 0) << unreachable.errors.toStdString();
    EXPECT_TRUE(unreachable.errors.contains(":7391"));
}

TEST(Startup, ArgumentsWithoutAModeAreFilesForTheQueue)
{
    const QString here = QDir::currentPath();
    EXPECT_EQ(CommandLineMode::windowFiles({"klevar", "a.mp4", "/media/b c.mkv", "-d.avi"}),
              QStringList({here + "/a.mp4", "/media/b c.mkv", here + "/-d.avi"}));
    EXPECT_EQ(CommandLineMode::windowFiles({"klevar", "--", "-style", "--"}),
              QStringList({here + "/-style", here + "/--"}));
    EXPECT_TRUE(CommandLineMode::windowFiles({"klevar"}).isEmpty());
    EXPECT_TRUE(CommandLineMode::windowFiles({"klevar", "--"}).isEmpty());

    // "--" leads to the window, not to a complaint about an unknown mode.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    const ProgramRun run = startWith(env, {"--", "-platform", "a.mp4"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains("display")) << run.errors.toStdString();
    EXPECT_FALSE(run.errors.contains("unknown")) << run.errors.toStdString();
}

TEST(Startup, EveryModeRefusesWhatItCannotUseInOneLineAndExitsTwo)
{
    const QList<QStringList> refused = {{"--nonsense"},
                                        {"--probe"},
                                        {"--probe", "-x.avi"},
                                        {"--list-profiles", "extra"},
                                        {"--list-capture-devices", "--all"},
                                        {"--convert", "--profile"},
                                        {"--watch-info", "a", "b"},
                                        {"--download", "--output"},
                                        {"--capture", "--seconds", "0", "x.avi"}};
    for (const QStringList &arguments : refused) {
        const ProgramRun run = startWith(QProcessEnvironment::systemEnvironment(), arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errors.startsWith("klevar: ")) << run.errors.toStdString();
    }
}

TEST(Startup, EveryModeIsInTheHelpAndTheManualPage)
{
    QFile file(QStringLiteral(KLEVAR_SOURCE_FOLDER) + "/packaging/klevar.1");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    const QString modesSection = page.section(".SH MODES", 1).section("\n.SH ", 0, 0);
    ASSERT_FALSE(modesSection.isEmpty());
    const QString help = CommandLineMode::helpText();
    QStringList tableNames;
    for (const CommandLineMode::Mode &mode : CommandLineMode::modes()) {
        const QString name = QString::fromLatin1(mode.name);
        tableNames << name;
        EXPECT_TRUE(help.contains(QString::fromLatin1(mode.usage))) << mode.name;
        const QString escaped = QString(name).replace("-", "\\-");
        EXPECT_TRUE(page.contains(".B klevar " + escaped)) << mode.name << " in the synopsis";
        EXPECT_TRUE(QRegularExpression("\\n\\.TP\\n\\.B[RI]? " +
                                       QRegularExpression::escape(escaped) + "\\b")
                        .match(modesSection)
                        .hasMatch())
            << mode.name << " under MODES";
    }
    // Nor does the page describe a mode the program does not have.
    const QRegularExpression entry("\\n\\.TP\\n\\.B[RI]? ((?:\\\\-)+[a-z\\\\-]+)");
    for (const QRegularExpressionMatch &m : entry.globalMatch(modesSection)) {
        const QString name = QString(m.captured(1)).replace("\\-", "-");
        EXPECT_TRUE(tableNames.contains(name)) << name.toStdString();
    }
}

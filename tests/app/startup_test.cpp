#include "common/programfolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {
struct ProgramRun
{
    int exitCode;
    QProcess::ExitStatus status;
    QString errors;
};

ProgramRun startWith(QProcessEnvironment env)
{
    QProcess p;
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(ProgramFolder::buildFolder() + "/klevar", {});
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

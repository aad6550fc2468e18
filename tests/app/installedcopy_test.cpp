// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/mediafixtures.h"
#include "common/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr QFile::Permissions ReadOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// Every entry below the folder with its size, to see that nothing was added or changed.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries << info.filePath() + ' ' + QString::number(info.size()) + ' ' +
                       info.lastModified().toString(Qt::ISODateWithMs);
    }
    entries.sort();
    return entries;
}

// A copy of the built program and the files it reads beside itself, read-only as an
// installed copy is; the two child programs are links, as in the build.
class InstalledCopy
{
public:
    InstalledCopy()
    {
        const QDir build(ProgramFolder::buildFolder());
        QDir(m_dir.path()).mkdir("skins");
        for (const char *name :
             {"klevar", "ct.s3db", "help.chm", "plus.jpg", "loading.jpg", "skins/frmmain.skn"})
            m_copied &= QFile::copy(build.filePath(name), file(name));
        for (const char *name : {"fp.dll", "mp.dll"})
            m_copied &= QFile::link(QFileInfo(build.filePath(name)).symLinkTarget(), file(name));
        for (const char *name :
             {"ct.s3db", "help.chm", "plus.jpg", "loading.jpg", "skins/frmmain.skn"})
            QFile::setPermissions(file(name),
                                  QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QFile::setPermissions(file("skins"), ReadOnly);
        QFile::setPermissions(m_dir.path(), ReadOnly);
    }
    ~InstalledCopy()
    {
        QFile::setPermissions(file("skins"), ReadOnly | QFile::WriteOwner);
        QFile::setPermissions(m_dir.path(), ReadOnly | QFile::WriteOwner);
    }
    bool copied() const { return m_copied; }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_copied = true;
};

struct ProgramRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun run(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    ProgramRun result;
    if (!p.waitForFinished(60000))
        return result;
    result.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    result.out = QString::fromUtf8(p.readAllStandardOutput());
    result.err = QString::fromUtf8(p.readAllStandardError());
    return result;
}
} // namespace

// The program as an installation holds it: it reads its shipped files from its
// read-only folder and writes only to the user's places.
TEST(InstalledCopy, ConvertsIntoTheVideosFolderAndWritesNothingBesideItself)
{
    InstalledCopy copy;
    ASSERT_TRUE(copy.copied());
    QTemporaryDir user;
    ASSERT_TRUE(QDir(user.path()).mkpath("run"));
    ASSERT_TRUE(MediaFixtures::make(user.filePath("in put.avi"), 2));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        env.remove(name);
    env.insert("HOME", user.filePath("home"));
    env.insert("XDG_RUNTIME_DIR", user.filePath("run"));
    const QStringList before = snapshot(copy.path());
    const QString program = copy.file("klevar");

    const ProgramRun list = run(program, {"--list-profiles"}, env);
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    QString mp4;
    for (const QString &line : list.out.split('\n')) {
        if (line.endsWith("(*.mp4)") && mp4.isEmpty())
            mp4 = line.section('\t', 0, 0);
    }
    ASSERT_FALSE(mp4.isEmpty()) << list.out.toStdString();

    const ProgramRun convert =
        run(program, {"--convert", "--profile", mp4, user.filePath("in put.avi")}, env);
    const QString output = user.filePath("home/Videos/in put.mp4");
    EXPECT_EQ(convert.exitCode, 0) << convert.err.toStdString();
    EXPECT_EQ(convert.out, "1\t100%\tOK\t" + output + "\n");
    EXPECT_GT(MediaFixtures::duration(output), 1.5);
    // The encoder's statistics went to the runtime folder.
    EXPECT_TRUE(QFile::exists(user.filePath("run/klevar/curconvert.log")));
    EXPECT_EQ(snapshot(copy.path()), before);
}

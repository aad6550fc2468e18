// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/mediafixtures.h"
#include "convert/runmessages.h"
#include "runfixture.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

using Icon = Desktop::Icon;

namespace {
// The encoder, started or merely asked what it can: it leaves a mark first.
QString markEncoderStarts(const ProgramFolder &program, const QString &mark)
{
    const QString encoder = program.file("fp.dll");
    QFile::remove(encoder);
    QFile script(encoder);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write("#!/bin/sh\necho \"$@\" >> '" + mark.toUtf8() + "'\nexec '" +
                 MediaFixtures::encoder().toUtf8() + "' \"$@\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return encoder;
}
} // namespace

TEST_F(RunFixture, AnEndWithFailuresSaysHowManyWithTheWarningIcon)
{
    useFakeEncoder();
    addRow(clip("silent.avi"));
    addRow(clip("good.avi"));
    addRow(clip("tiny.avi"));
    ASSERT_TRUE(convert());
    ASSERT_EQ(statuses(), QStringList({"Fail", "OK", "Fail"}));
    const auto boxes = FakeDesktop::current().callsOf("message");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text,
              "Conversion completed!\n\n2 of 3 files failed. " + RunMessages::windowFailureHint());
    EXPECT_EQ(boxes[0].icon, Icon::Warning);
    EXPECT_EQ(m_outcomes, QList<ConversionRun::Outcome>({ConversionRun::Outcome::Completed}));
}

TEST_F(RunFixture, NoOutputTypeChosenStartsNothing)
{
    const QString mark = m_media.filePath("encoder started");
    ASSERT_FALSE(markEncoderStarts(m_program, mark).isEmpty());
    addRow(clip("a.avi"));
    addRow(clip("b.avi"));
    m_list.setText(1, ConversionList::Status, "OK"); // from an earlier run
    QSignalSpy started(m_run.get(), &ConversionRun::started);
    // The empty chooser of a first start; a caption without a file pattern is no better.
    for (const char *caption : {"", "Devices"}) {
        FakeDesktop::current().reset();
        m_caption = caption;
        m_run->start();
        EXPECT_FALSE(m_run->isRunning());
        const auto boxes = FakeDesktop::current().callsOf("message");
        ASSERT_EQ(boxes.size(), 1) << caption;
        EXPECT_TRUE(boxes[0].text.startsWith("No output type is chosen.")) << caption;
        EXPECT_EQ(FakeDesktop::current().calls.size(), 1);
    }
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(statuses(), QStringList({"", "OK"}));
    EXPECT_TRUE(m_busy.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFileInfo::exists(mark));
    EXPECT_TRUE(QDir(m_out.path()).isEmpty());
}

TEST_F(RunFixture, AMissingOutputFolderIsMadeAndUsed)
{
    const QString folder = m_out.filePath("new/deeper folder");
    Settings::write(Settings::OutputFolderKey, folder);
    addRow(clip("a.avi"));
    ASSERT_TRUE(convert());
    EXPECT_EQ(statuses(), QStringList({"OK"}));
    EXPECT_NEAR(MediaFixtures::duration(folder + "/a.mp4"), 2.0, 0.2);
    EXPECT_EQ(FakeDesktop::current().messages(), QStringList({"Conversion completed!"}));
}

TEST_F(RunFixture, AnOutputFolderThatCannotBeMadeIsNamedAndNothingStarts)
{
    const QString mark = m_media.filePath("encoder started");
    ASSERT_FALSE(markEncoderStarts(m_program, mark).isEmpty());
    // A file stands where a folder of the path would have to be.
    QFile blocker(m_out.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = m_out.filePath("file/videos");
    Settings::write(Settings::OutputFolderKey, folder);
    addRow(clip("a.avi"));
    QSignalSpy started(m_run.get(), &ConversionRun::started);
    m_run->start();
    EXPECT_FALSE(m_run->isRunning());
    EXPECT_EQ(started.count(), 0);
    const auto &calls = FakeDesktop::current().calls;
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].what, "message");
    EXPECT_TRUE(calls[0].text.contains(folder)) << calls[0].text.toStdString();
    EXPECT_EQ(calls[0].icon, Icon::Critical);
    EXPECT_EQ(statuses(), QStringList({""}));
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFileInfo::exists(mark));
}

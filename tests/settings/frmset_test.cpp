// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/fakedesktop.h"
#include "common/programfolder.h"
#include "settings/frmset.h"
#include "settings/inifile.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
class FrmsetTest : public ::testing::Test
{
protected:
    void SetUp() override { FakeDesktop::current().reset(); }

    template <typename T> T *child(Frmset &dialog, const char *name)
    {
        T *w = dialog.findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void press(Frmset &dialog, const char *button) { child<QPushButton>(dialog, button)->click(); }
    QString stored(const char *key) { return IniFile::read(folder.settingsFile(), "set", key); }
    QByteArray bytes()
    {
        QFile f(folder.settingsFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    ProgramFolder folder;
};
} // namespace

TEST_F(FrmsetTest, FirstOpeningShowsDefaultsAndOkStoresThem)
{
    Frmset dialog;
    EXPECT_EQ(dialog.windowTitle(), "Video Options");
    EXPECT_EQ(child<QLineEdit>(dialog, "Text2")->text(), folder.path().chopped(1));
    EXPECT_TRUE(child<QRadioButton>(dialog, "Option1")->isChecked());
    EXPECT_EQ(child<QRadioButton>(dialog, "Option1")->text(), "Add \"New\" after filename");
    EXPECT_FALSE(child<QCheckBox>(dialog, "Check1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "Check2")->isChecked());
    EXPECT_EQ(child<QCheckBox>(dialog, "Check2")->text(), "Restore the unconverted files at start");
    EXPECT_EQ(child<QLineEdit>(dialog, "Text1")->text(), "");
    press(dialog, "Command1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(stored("outputfolder"), folder.path().chopped(1));
    EXPECT_EQ(stored("existedfile"), "0");
    EXPECT_EQ(stored("autoshut"), "0");
    EXPECT_EQ(stored("thread"), "0");
    EXPECT_EQ(stored("restorequeue"), "1");
}

TEST_F(FrmsetTest, ThreadTextRules)
{
    {
        Frmset dialog;
        child<QLineEdit>(dialog, "Text1")->setText("9");
        press(dialog, "Command1");
        EXPECT_EQ(FakeDesktop::current().messages(), QStringList{"Thread error!"});
        EXPECT_EQ(FakeDesktop::current().calls.first().icon, Desktop::Icon::Critical);
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(QFile::exists(folder.settingsFile()));
    }
    const QList<std::pair<QString, QString>> cases = {
        {"8", "8"}, {"-1", "-1"}, {"abc", "0"}, {"4cores", "4"}, {" 2 ", "2"}};
    for (const auto &[typed, expected] : cases) {
        Frmset dialog;
        child<QLineEdit>(dialog, "Text1")->setText(typed);
        press(dialog, "Command1");
        EXPECT_EQ(stored("thread"), expected) << typed.toStdString();
        Frmset reopened;
        EXPECT_EQ(child<QLineEdit>(reopened, "Text1")->text(), expected);
    }
    EXPECT_EQ(FakeDesktop::current().messages().size(), 1);
}

TEST_F(FrmsetTest, StoredValuesAreShownAndOkWritesWhatTheUserChose)
{
    IniFile::write(folder.settingsFile(), "Set", "outputfolder", "0");
    IniFile::write(folder.settingsFile(), "set", "existedfile", "1");
    IniFile::write(folder.settingsFile(), "set", "autoshut", "1");
    Frmset dialog;
    EXPECT_EQ(child<QLineEdit>(dialog, "Text2")->text(), folder.path().chopped(1));
    EXPECT_TRUE(child<QRadioButton>(dialog, "Option2")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "Check1")->isChecked());

    child<QLineEdit>(dialog, "Text2")->setText("   /srv/my videos  ");
    child<QRadioButton>(dialog, "Option1")->setChecked(true);
    child<QCheckBox>(dialog, "Check1")->setChecked(false);
    child<QCheckBox>(dialog, "Check2")->setChecked(false);
    press(dialog, "Command1");
    EXPECT_EQ(stored("outputfolder"), "/srv/my videos");
    EXPECT_EQ(stored("existedfile"), "0");
    EXPECT_EQ(stored("autoshut"), "0");
    EXPECT_EQ(stored("restorequeue"), "0");
    Frmset reopened;
    EXPECT_FALSE(child<QCheckBox>(reopened, "Check2")->isChecked());
}

TEST_F(FrmsetTest, CancelLeavesTheFileByteForByte)
{
    IniFile::write(folder.settingsFile(), "Set", "profile", "3");
    IniFile::write(folder.settingsFile(), "set", "thread", "2");
    const QByteArray before = bytes();
    Frmset dialog;
    child<QLineEdit>(dialog, "Text2")->setText("/elsewhere");
    child<QRadioButton>(dialog, "Option2")->setChecked(true);
    child<QCheckBox>(dialog, "Check1")->setChecked(true);
    child<QLineEdit>(dialog, "Text1")->setText("6");
    press(dialog, "Command2");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(bytes(), before);
}

TEST_F(FrmsetTest, BrowsePutsTheChosenFolderIntoTheField)
{
    Frmset dialog;
    FakeDesktop::current().folderAnswers.enqueue("/media/disk/out");
    press(dialog, "Command4");
    EXPECT_EQ(child<QLineEdit>(dialog, "Text2")->text(), "/media/disk/out");
    EXPECT_EQ(FakeDesktop::current().callsOf("folder").first().text, "Klevar");
    press(dialog, "Command4"); // cancelled: the field keeps its text
    EXPECT_EQ(child<QLineEdit>(dialog, "Text2")->text(), "/media/disk/out");
    EXPECT_FALSE(QFile::exists(folder.settingsFile()));
}

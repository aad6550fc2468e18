// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/frmset.h"

#include "common/appinfo.h"
#include "common/desktop.h"
#include "common/numerictext.h"
#include "common/skin.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QGroupBox *group(const QString &name, const QString &title, QWidget *parent)
{
    auto *g = new QGroupBox(title, parent);
    g->setObjectName(name);
    return g;
}
} // namespace

Frmset::Frmset(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frmset"));
    setWindowTitle(QStringLiteral("Video Options"));
    setModal(true);

    auto *frame1 = group(QStringLiteral("Frame1"), QStringLiteral("Save Video Files to"), this);
    Text2 = new QLineEdit(frame1);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMinimumWidth(320);
    auto *browseButton = button(QStringLiteral("Command4"), QStringLiteral("Browse..."), frame1);
    auto *folderRow = new QHBoxLayout(frame1);
    folderRow->addWidget(
        label(QStringLiteral("SkinLabel1"), QStringLiteral("Output Folder"), frame1));
    folderRow->addWidget(Text2, 1);
    folderRow->addWidget(browseButton);

    auto *frame2 =
        group(QStringLiteral("Frame2"), QStringLiteral("If same as an existed file"), this);
    Option1 = new QRadioButton(QStringLiteral("Add \"New\" after filename"), frame2);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("Overwrite the existed file"), frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    auto *existing = new QHBoxLayout(frame2);
    existing->addWidget(Option1);
    existing->addWidget(Option2);
    existing->addStretch();

    auto *frame3 = group(QStringLiteral("Frame3"), QString(), this);
    Check1 =
        new QCheckBox(QStringLiteral("Automatically Shutdown Computer After Conversion"), frame3);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("Restore the unconverted files at start"), frame3);
    Check2->setObjectName(QStringLiteral("Check2"));
    auto *checks = new QVBoxLayout(frame3);
    checks->addWidget(Check1);
    checks->addWidget(Check2);

    auto *frame4 = group(QStringLiteral("Frame4"), QStringLiteral("Thread"), this);
    Text1 = new QLineEdit(frame4);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaximumWidth(60);
    auto *threads = new QHBoxLayout(frame4);
    threads->addWidget(label(QStringLiteral("SkinLabel2"),
                             QStringLiteral("Number of threads to use for"), frame4));
    threads->addWidget(Text1);
    threads->addWidget(label(QStringLiteral("SkinLabel3"),
                             QStringLiteral("(0-8), 0 - Disable multi-thread"), frame4));
    threads->addStretch();

    auto *ok = button(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    auto *cancel = button(QStringLiteral("Command2"), QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    for (QWidget *w : {frame1, frame2, frame3, frame4})
        layout->addWidget(w);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &Frmset::accept);
    connect(cancel, &QPushButton::clicked, this, &Frmset::reject);
    connect(browseButton, &QPushButton::clicked, this, &Frmset::browse);

    Skin::apply(this);
    load();
}

void Frmset::load()
{
    Text2->setText(Settings::outputFolder());
    Option1->setChecked(Settings::keepExistingFile());
    Option2->setChecked(!Settings::keepExistingFile());
    Check1->setChecked(Settings::autoShutdown());
    Check2->setChecked(Settings::restoreQueue());
    Text1->setText(Settings::read(Settings::ThreadKey));
}

void Frmset::accept()
{
    const double threads = NumericText::value(Text1->text());
    if (threads > 8) {
        Desktop::instance().showMessage(this, QStringLiteral("Thread error!"),
                                        Desktop::Icon::Critical);
        return;
    }
    Settings::write(Settings::OutputFolderKey, Text2->text().trimmed());
    Settings::write(Settings::ExistedFileKey,
                    Option1->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    Settings::write(Settings::AutoShutKey,
                    Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    Settings::write(Settings::ThreadKey, NumericText::text(threads));
    Settings::write(Settings::RestoreQueueKey,
                    Check2->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    QDialog::accept();
}

void Frmset::browse()
{
    const QString folder = Desktop::instance().chooseFolder(this, QString::fromLatin1(AppTitle));
    if (!folder.isEmpty())
        Text2->setText(folder.left(260));
}

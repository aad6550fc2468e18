// SPDX-License-Identifier: GPL-3.0-or-later
// The files the build lays out beside the program: the help file, the skin and the
// pictures, checked as the program will meet them.

#include "common/programfolder.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSet>
#include <QSlider>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

QString buildFile(const QString &name)
{
    return QDir(ProgramFolder::buildFolder()).filePath(name);
}

QString helpSource(const QString &name)
{
    return QStringLiteral(KLEVAR_SOURCE_FOLDER "/data/help/") + name;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names in the [FILES] section of the help project: what the help file must hold.
QStringList projectFiles()
{
    const QString project = QString::fromUtf8(readAll(helpSource(QStringLiteral("klevar.hhp"))));
    QStringList files;
    bool inFiles = false;
    for (const QString &raw : project.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inFiles = line == QLatin1String("[FILES]");
        else if (inFiles && !line.isEmpty())
            files << line;
    }
    return files;
}

QStringList captured;

void captureMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    captured << text;
}

} // namespace

TEST(ShippedHelp, IsACompiledHelpFileHoldingEveryPage)
{
    const QByteArray chm = readAll(buildFile(QStringLiteral("help.chm")));
    ASSERT_FALSE(chm.isEmpty());
    EXPECT_TRUE(chm.startsWith("ITSF"));

    const QStringList files = projectFiles();
    ASSERT_GE(files.size(), 10);
    // The archive's directory keeps every stored name in plain text.
    for (const QString &name : files + QStringList{"toc.hhc", "index.hhk"})
        EXPECT_TRUE(chm.contains(("/" + name).toUtf8())) << name.toStdString();
}

TEST(ShippedHelp, LinksOnlyToPagesItShips)
{
    const QStringList files = projectFiles();
    const QSet<QString> shipped(files.begin(), files.end());
    static const QRegularExpression link(
        QStringLiteral(R"re((?:href|value)="([^"#:]+\.(?:html|css))")re"),
        QRegularExpression::CaseInsensitiveOption);

    QStringList sources = files.filter(QStringLiteral(".html"));
    sources << QStringLiteral("toc.hhc") << QStringLiteral("index.hhk");
    for (const QString &source : sources) {
        const QString text = QString::fromUtf8(readAll(helpSource(source)));
        ASSERT_FALSE(text.isEmpty()) << source.toStdString();
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(shipped.contains(target))
                << source.toStdString() << " links to " << target.toStdString();
        }
    }
}

TEST(ShippedSkin, ParsesAndReachesItsLastRules)
{
    const QString sheet = QString::fromUtf8(readAll(buildFile(QStringLiteral("skins/frmmain.skn"))));
    ASSERT_FALSE(sheet.isEmpty());

    captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    {
        QMainWindow window;
        window.setObjectName(QStringLiteral("Form1"));
        auto *central = new QWidget(&window);
        auto *layout = new QVBoxLayout(central);
        auto *button = new QToolButton(central);
        button->setObjectName(QStringLiteral("Image11"));
        button->setAutoRaise(true);
        layout->addWidget(button);
        layout->addWidget(new QComboBox(central));
        layout->addWidget(new QTreeView(central));
        layout->addWidget(new QProgressBar(central));
        layout->addWidget(new QSlider(Qt::Horizontal, central));
        layout->addWidget(new QGroupBox(QStringLiteral("Video List"), central));
        window.setCentralWidget(central);
        window.setStyleSheet(sheet);
        window.show();

        // A rule near the end of the file takes effect only when the whole sheet parsed.
        QDialog about;
        about.setObjectName(QStringLiteral("About"));
        auto *licence = new QLabel(QStringLiteral("licence"), &about);
        licence->setObjectName(QStringLiteral("lblLicence"));
        about.setStyleSheet(sheet);
        about.show();
        licence->ensurePolished();
        EXPECT_EQ(licence->palette().color(QPalette::WindowText), QColor(0x4d, 0x5b, 0x70));
    }
    qInstallMessageHandler(previous);
    for (const QString &message : captured)
        EXPECT_FALSE(message.contains(QLatin1String("Could not parse"))) << message.toStdString();
}

TEST(ShippedSkin, PicturesItNamesExist)
{
    const QString sheet = QString::fromUtf8(readAll(buildFile(QStringLiteral("skins/frmmain.skn"))));
    static const QRegularExpression url(QStringLiteral(R"re(url\(\s*([^)\s]+)\s*\))re"));
    for (auto it = url.globalMatch(sheet); it.hasNext();) {
        const QString path = it.next().captured(1);
        EXPECT_FALSE(QImage(path).isNull()) << path.toStdString();
    }
}

TEST(ShippedPictures, JpegsBesideTheProgramLoad)
{
    for (const char *name : {"plus.jpg", "loading.jpg"}) {
        QImageReader reader(buildFile(QString::fromLatin1(name)));
        EXPECT_EQ(reader.format(), "jpeg") << name;
        const QImage image = reader.read();
        EXPECT_FALSE(image.isNull()) << name << ": " << reader.errorString().toStdString();
        EXPECT_GE(image.width(), 100) << name;
    }
}

TEST(ShippedPictures, ResourcesAreCompiledIntoTheProgram)
{
    const QStringList toolbar = {"addfiles", "removefile", "clearall", "convertnow",
                                 "clip",     "watermark",  "options"};
    for (const QString &name : toolbar) {
        const QImage normal(":/pictures/" + name + ".png");
        const QImage dense(":/pictures/" + name + "@2x.png");
        EXPECT_EQ(normal.size(), QSize(32, 32)) << name.toStdString();
        EXPECT_EQ(dense.size(), QSize(64, 64)) << name.toStdString();
        // A picture, not an empty square.
        int drawn = 0;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x)
                drawn += qAlpha(normal.pixel(x, y)) > 0;
        EXPECT_GT(drawn, 32 * 32 / 5) << name.toStdString();
    }
    for (const char *name : {":/pictures/klevar.png", ":/pictures/about.png"})
        EXPECT_FALSE(QImage(QString::fromLatin1(name)).isNull()) << name;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/mediafixtures.h"

#include "common/programfolder.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
QString encoderReport(const QString &path)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(MediaFixtures::encoder(), {QStringLiteral("-hide_banner"), QStringLiteral("-i"), path});
    p.waitForFinished(30000);
    return QString::fromLocal8Bit(p.readAll());
}
} // namespace

QString MediaFixtures::encoder()
{
    return ProgramFolder::buildFolder() + QStringLiteral("/fp.dll");
}

bool MediaFixtures::make(const QString &path, const Clip &clip)
{
    QStringList args = {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                        QStringLiteral("error"), QStringLiteral("-y")};
    if (clip.video) {
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("testsrc=size=%1:rate=%2:duration=%3")
                    .arg(clip.size)
                    .arg(clip.rate)
                    .arg(clip.seconds);
    }
    if (clip.audio) {
        args
            << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
            << QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(clip.seconds);
    }
    // A relative name with a leading "-" would read as an option.
    args << clip.codecArgs
         << (path.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + path : path);
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(encoder(), args);
    if (!p.waitForFinished(120000))
        return false;
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool MediaFixtures::make(const QString &path, int seconds)
{
    Clip clip;
    clip.seconds = seconds;
    return make(path, clip);
}

double MediaFixtures::duration(const QString &path)
{
    static const QRegularExpression re(
        QStringLiteral("Duration: (\\d+):(\\d\\d):(\\d\\d(?:\\.\\d+)?)"));
    const auto m = re.match(encoderReport(path));
    if (!m.hasMatch())
        return -1;
    return m.captured(1).toDouble() * 3600 + m.captured(2).toDouble() * 60 +
           m.captured(3).toDouble();
}

bool MediaFixtures::hasStream(const QString &path, const QString &kind)
{
    const QString report = encoderReport(path);
    return report.contains(
        QRegularExpression(QStringLiteral("Stream #\\d+:\\d+.*: %1:")
                               .arg(kind == QLatin1String("video") ? QStringLiteral("Video")
                                                                   : QStringLiteral("Audio"))));
}

QString MediaFixtures::videoShape(const QString &path)
{
    const QMap<QString, QString> f = videoFacts(path);
    if (!f.contains("width"))
        return {};
    return QStringLiteral("%1x%2, SAR %3, DAR %4")
        .arg(f["width"], f["height"], f["sample_aspect_ratio"], f["display_aspect_ratio"]);
}

QMap<QString, QString> MediaFixtures::videoFacts(const QString &path)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("ffprobe")),
            {"-v", "error", "-select_streams", "v:0", "-show_entries",
             "stream=width,height,sample_aspect_ratio,display_aspect_ratio,pix_fmt,color_transfer,"
             "color_primaries,field_order,avg_frame_rate:format=duration",
             "-of", "default=noprint_wrappers=1", path});
    p.waitForFinished(30000);
    QMap<QString, QString> facts;
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
    for (const QString &line : lines) {
        const qsizetype is = line.indexOf('=');
        if (is > 0)
            facts.insert(line.left(is), line.mid(is + 1).trimmed());
    }
    return facts;
}

int MediaFixtures::combedFrames(const QString &path)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(encoder(), {"-hide_banner", "-i", path, "-vf", "idet", "-an", "-f", "null", "-"});
    p.waitForFinished(60000);
    static const QRegularExpression counts(
        QStringLiteral("Multi frame detection: TFF:\\s*(\\d+) BFF:\\s*(\\d+)"));
    const auto m = counts.match(QString::fromLocal8Bit(p.readAll()));
    return m.hasMatch() ? m.captured(1).toInt() + m.captured(2).toInt() : -1;
}

QString MediaFixtures::pictureArea(const QString &path)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(encoder(), {"-hide_banner", "-i", path, "-vf", "cropdetect=limit=16:round=2:reset=0",
                        "-an", "-f", "null", "-"});
    p.waitForFinished(60000);
    static const QRegularExpression crop(QStringLiteral("crop=(\\d+:\\d+:\\d+:\\d+)"));
    QString area;
    for (auto it = crop.globalMatch(QString::fromLocal8Bit(p.readAll())); it.hasNext();)
        area = it.next().captured(1);
    return area;
}

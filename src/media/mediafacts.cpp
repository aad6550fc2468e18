// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/mediafacts.h"

#include "common/childoutput.h"

#include <QRegularExpression>
#include <QStringList>

namespace {
constexpr int QueryLimitMs = 30000;

// "a, b(c, d), e" -> "a", "b(c, d)", "e": the report nests details in brackets.
QStringList topLevelParts(const QString &text)
{
    QStringList parts;
    int depth = 0;
    QString part;
    for (const QChar c : text) {
        if (c == QLatin1Char('(') || c == QLatin1Char('['))
            ++depth;
        else if ((c == QLatin1Char(')') || c == QLatin1Char(']')) && depth > 0)
            --depth;
        if (c == QLatin1Char(',') && depth == 0) {
            parts << part.trimmed();
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part.trimmed();
    return parts;
}

bool readShape(const QString &text, int &numerator, int &denominator)
{
    static const QRegularExpression sar(QStringLiteral("SAR (\\d+):(\\d+)"));
    const auto m = sar.match(text);
    if (!m.hasMatch())
        return false;
    numerator = m.captured(1).toInt();
    denominator = m.captured(2).toInt();
    return true;
}

// "yuv420p10le(tv, bt2020nc/bt2020/smpte2084, progressive)": the pixel format, then
// range, colour (one name when all three agree) and field order, each when known.
void readPixelFormat(const QString &part, MediaFacts &facts)
{
    const qsizetype open = part.indexOf(QLatin1Char('('));
    facts.pixelFormat = part.left(open).trimmed();
    if (open < 0 || !part.endsWith(QLatin1Char(')')))
        return;
    static const QStringList fieldOrders = {
        QStringLiteral("progressive"), QStringLiteral("top first"), QStringLiteral("bottom first"),
        QStringLiteral("top coded first (swapped)"),
        QStringLiteral("bottom coded first (swapped)")};
    const QStringList details = topLevelParts(part.mid(open + 1, part.size() - open - 2));
    for (const QString &detail : details) {
        const QStringList colour = detail.split(QLatin1Char('/'));
        if (fieldOrders.contains(detail)) {
            facts.fieldOrder = detail;
        } else if (colour.size() == 3) {
            facts.matrix = colour[0];
            facts.primaries = colour[1];
            facts.transfer = colour[2];
        } else if (detail != QLatin1String("tv") && detail != QLatin1String("pc")) {
            facts.matrix = facts.primaries = facts.transfer = detail;
        }
    }
}

// "h264 (High 10) (avc1 / 0x31637661), yuv420p10le(...), 320x240 [SAR 1:1 DAR 4:3], ..."
void readVideo(const QString &description, MediaFacts &facts)
{
    static const QRegularExpression size(QStringLiteral("^(\\d+)x(\\d+)"));
    static const QRegularExpression pixelFormat(QStringLiteral("^[a-z][a-z0-9_]*(\\(.*\\))?$"));
    const QStringList parts = topLevelParts(description);
    bool streamShape = false;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const auto m = size.match(parts[i]);
        if (m.hasMatch() && facts.width == 0) {
            facts.width = m.captured(1).toInt();
            facts.height = m.captured(2).toInt();
            if (!streamShape)
                readShape(parts[i], facts.shapeNumerator, facts.shapeDenominator);
            if (i >= 2 && pixelFormat.match(parts[i - 1]).hasMatch())
                readPixelFormat(parts[i - 1], facts);
        } else if (parts[i].startsWith(QLatin1String("SAR "))) {
            // The container's own statement, which the encoder prefers to the codec's.
            streamShape = readShape(parts[i], facts.shapeNumerator, facts.shapeDenominator);
        }
    }
}

std::optional<double> readDuration(const QString &line)
{
    static const QRegularExpression duration(
        QStringLiteral("^\\s*Duration: (\\d+):(\\d\\d):(\\d\\d(?:\\.\\d+)?)"));
    const auto m = duration.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toDouble() * 3600 + m.captured(2).toDouble() * 60 +
           m.captured(3).toDouble();
}
} // namespace

MediaFacts MediaFacts::parse(const QString &report)
{
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]+"));
    static const QRegularExpression stream(
        QStringLiteral("^\\s*Stream #0:\\d+[^:]*: (Video|Audio): (.*)$"));
    MediaFacts facts;
    bool input = false;
    const QStringList lines = report.split(lineEnd);
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("Input #"))) {
            if (input)
                break; // a second input: only the first one is asked about
            input = true;
        } else if (line.startsWith(QLatin1String("Output #")) ||
                   line.startsWith(QLatin1String("Stream mapping:"))) {
            break;
        } else if (const auto seconds = readDuration(line); seconds && !facts.length) {
            facts.length = seconds;
        } else if (const auto m = stream.match(line); m.hasMatch()) {
            const QString description = m.captured(2);
            if (m.captured(1) == QLatin1String("Audio")) {
                facts.hasAudio = true;
            } else if (!facts.hasVideo && !description.contains(QLatin1String("(attached pic)"))) {
                facts.hasVideo = true;
                readVideo(description, facts);
            }
        }
    }
    return facts;
}

void MediaFacts::query(const QString &encoder, const QString &path, QObject *context,
                       const std::function<void(const MediaFacts &)> &done)
{
    ChildOutput::collect(encoder, {QStringLiteral("-hide_banner"), QStringLiteral("-i"), path},
                         context, QueryLimitMs, [done](const QString &report, bool started) {
                             done(started ? parse(report) : MediaFacts());
                         });
}

bool MediaFacts::isHdr() const
{
    return transfer == QLatin1String("smpte2084") || transfer == QLatin1String("arib-std-b67");
}

bool MediaFacts::isInterlaced() const
{
    return !fieldOrder.isEmpty() && fieldOrder != QLatin1String("progressive");
}

bool MediaFacts::isHighBitDepth() const
{
    static const QRegularExpression deep(QStringLiteral("(9|10|12|14|16)(le|be)$"));
    return deep.match(pixelFormat).hasMatch();
}

bool MediaFacts::isEightBit420() const
{
    static const QStringList formats = {QStringLiteral("yuv420p"), QStringLiteral("yuvj420p"),
                                        QStringLiteral("nv12"), QStringLiteral("nv21")};
    return formats.contains(pixelFormat);
}

MediaFacts::Chroma MediaFacts::chroma() const
{
    static const QRegularExpression full(QStringLiteral("^(yuvj?a?444|gbr|rgb|bgr|argb|abgr|x2)"));
    static const QRegularExpression half(QStringLiteral("^(yuvj?a?422|nv16|nv20|y210|uyvy|yuyv)"));
    if (full.match(pixelFormat).hasMatch())
        return Chroma::Full;
    if (half.match(pixelFormat).hasMatch())
        return Chroma::Half;
    return Chroma::Quarter;
}

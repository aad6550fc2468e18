// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/encodercapabilities.h"

#include "common/childprogram.h"
#include "convert/encodercommand.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <memory>

namespace {
QHash<QString, EncoderCapabilities> &known()
{
    static QHash<QString, EncoderCapabilities> programs;
    return programs;
}

struct Waiting
{
    QPointer<QObject> context;
    std::function<void(const EncoderCapabilities &)> done;
};

// Those waiting for a program that is being asked.
QHash<QString, QList<Waiting>> &waiting()
{
    static QHash<QString, QList<Waiting>> programs;
    return programs;
}

// Encoders that need leave to be used (the encoder marks them experimental).
bool isExperimental(const QString &encoder)
{
    return encoder == QLatin1String("vorbis") || encoder == QLatin1String("opus");
}
} // namespace

EncoderCapabilities EncoderCapabilities::fromListing(const QString &listing)
{
    // " V....D libx264              libx264 H.264 ...": six flag characters, the name.
    static const QRegularExpression entry(QStringLiteral("^\\s*[VAS][A-Z.]{5}\\s+(\\S+)"),
                                          QRegularExpression::MultilineOption);
    EncoderCapabilities capabilities;
    auto it = entry.globalMatch(listing);
    while (it.hasNext())
        capabilities.m_encoders.insert(it.next().captured(1));
    // The flag legend (" V..... = Video") looks like an entry; "=" is no encoder.
    capabilities.m_encoders.remove(QStringLiteral("="));
    capabilities.m_known = !capabilities.m_encoders.isEmpty();
    return capabilities;
}

QString EncoderCapabilities::builtInEquivalent(const QString &encoder)
{
    static const QHash<QString, QString> equivalents = {
        {"libvo_aacenc", "aac"},
        {"libfaac", "aac"},
        {"libxvid", "mpeg4"},
        {"libvorbis", "vorbis"},
        // Also Opus, though it takes 48000 Hz only. The x265, VP9 and AV1 encoders have no
        // stand-in that writes the same codec at a usable speed: without them the encoder
        // refuses the row with "Unknown encoder", which is better than a file in another
        // codec than the type promises.
        {"libopus", "opus"},
    };
    return equivalents.value(encoder);
}

QStringList EncoderCapabilities::substituted(QStringList arguments) const
{
    if (!m_known)
        return arguments;
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        const QString &option = arguments[i];
        if (option != QLatin1String("-vcodec") && option != QLatin1String("-acodec"))
            continue;
        const QString encoder = arguments[i + 1];
        const QString stand = builtInEquivalent(encoder);
        if (has(encoder) || stand.isEmpty() || !has(stand))
            continue;
        arguments[i + 1] = stand;
        if (isExperimental(stand)) {
            arguments.insert(i + 2, QStringLiteral("-2"));
            arguments.insert(i + 2, QStringLiteral("-strict"));
        }
    }
    return arguments;
}

QStringList EncoderCapabilities::adapt(const EncoderCommand &command) const
{
    QStringList arguments = command.commandLine.arguments();
    const qsizetype output = arguments.lastIndexOf(command.outputPath);
    if (output >= 0) {
        const QStringList trailing = arguments.mid(output + 1);
        arguments = arguments.mid(0, output) + trailing + QStringList{command.outputPath};
    }
    return substituted(arguments);
}

void EncoderCapabilities::query(const QString &program, QObject *context,
                                const std::function<void(const EncoderCapabilities &)> &done)
{
    if (known().contains(program)) {
        const EncoderCapabilities answer = known().value(program);
        QTimer::singleShot(0, context, [done, answer] { done(answer); });
        return;
    }
    const bool asking = waiting().contains(program);
    waiting()[program].append({context, done});
    if (!asking)
        ask(program);
}

void EncoderCapabilities::ask(const QString &program)
{
    // Owned by the application, so that no caller's end stops it for the others.
    auto *child = new ChildProgram(QCoreApplication::instance());
    auto listing = std::make_shared<QString>();
    QObject::connect(child, &ChildProgram::outputReceived, child,
                     [listing](const QString &text) { *listing += text; });
    QObject::connect(child, &ChildProgram::finished, child,
                     [child, program, listing](int, ChildProgram::End end) {
                         const EncoderCapabilities capabilities = end == ChildProgram::End::Exited
                                                                      ? fromListing(*listing)
                                                                      : EncoderCapabilities();
                         // Also no answer: one that hangs would hold up every run.
                         known().insert(program, capabilities);
                         child->deleteLater();
                         for (const Waiting &caller : waiting().take(program)) {
                             if (caller.context)
                                 caller.done(capabilities);
                         }
                     });
    QTimer::singleShot(QueryTimeoutMs, child, [child] { child->kill(); });
    child->start(program, {QStringLiteral("-hide_banner"), QStringLiteral("-encoders")});
}

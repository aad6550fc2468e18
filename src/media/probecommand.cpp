// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/probecommand.h"

#include "common/argumentreader.h"
#include "common/tabtext.h"
#include "media/conversionlist.h"
#include "media/mediaprobe.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

int ProbeCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const ArgumentReader reader(arguments);
    if (!reader.error().isEmpty())
        return ArgumentReader::refuse(err, reader.error());
    const QStringList files = reader.plain();
    if (files.isEmpty())
        return ArgumentReader::refuse(err, QStringLiteral("--probe needs at least one file"));
    ConversionList list;
    MediaProbe probe(&list);
    QEventLoop loop;
    QObject::connect(&probe, &MediaProbe::idle, &loop, &QEventLoop::quit);
    for (const QString &file : files) {
        // The window always hands over full paths; so does the command line, which
        // also keeps a name such as "-x.avi" from reading as an option of the player.
        probe.AddVideoFile(QFileInfo(file).absoluteFilePath());
    }
    if (probe.isBusy())
        loop.exec();

    const ConversionList::Column columns[] = {ConversionList::FileName, ConversionList::Start,
                                              ConversionList::End,      ConversionList::Size,
                                              ConversionList::Format,   ConversionList::VideoTime};
    for (int row = 0; row < list.count(); ++row) {
        QStringList fields;
        for (ConversionList::Column column : columns)
            fields << list.text(row, column);
        out << TabText::line(fields) << '\n';
    }
    out.flush();
    // A name that is no readable file still has its row, but the run says it.
    for (const QString &file : files) {
        const QFileInfo info(file);
        if (!info.isFile() || !info.isReadable())
            return 1;
    }
    return 0;
}

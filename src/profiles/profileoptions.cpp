// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/profileoptions.h"

#include "profiles/optionnames.h"
#include "profiles/optionset.h"
#include "profiles/profilecatalogue.h"
#include "profiles/profiledatabase.h"

using namespace OptionNames;

QList<ProfileOptions::DatabaseRow> ProfileOptions::databaseRows()
{
    return {
        {VideoOptions, VideoCodec, QStringLiteral("videocodec")},
        {VideoOptions, VideoBitrate, QStringLiteral("videobitrate")},
        {VideoOptions, VideoFramerate, QStringLiteral("framerate")},
        {VideoOptions, VideoSize, QStringLiteral("videosize")},
        {AudioOptions, AudioCodec, QStringLiteral("audiocodec")},
        {AudioOptions, AudioBitrate, QStringLiteral("audiobitrate")},
        {AudioOptions, SampleRate, QStringLiteral("samplerate")},
    };
}

void ProfileOptions::prolist(OptionSet &options)
{
    using Kind = OptionSet::Kind;
    const QString zero = QStringLiteral("00:00:00");
    options.clear();

    options.addRow(General, ItemName, Kind::Display, QStringLiteral("Auto"));

    options.addRow(OutputDuration, AllClipDuration, Kind::Display, zero);
    options.addRow(OutputDuration, StartTime, Kind::Display, zero);
    options.addRow(OutputDuration, StopTime, Kind::Display, zero);

    options.addRow(VideoOptions, VideoCodec, Kind::List, QString());
    options.addRow(VideoOptions, VideoSize, Kind::List, QString());
    options.addRow(VideoOptions, VideoBitrate, Kind::List, QString());
    options.addRow(VideoOptions, VideoFramerate, Kind::List, QString());
    // "Original" keeps the input's own shape; forcing 4:3 squeezed every widescreen input.
    options.addRow(VideoOptions, AspectRatio, Kind::List, Original,
                   {Original, QStringLiteral("4:3"), QStringLiteral("16:9")});

    options.addRow(AudioOptions, AudioCodec, Kind::List, QString());
    options.addRow(AudioOptions, AudioBitrate, Kind::List, QString());
    options.addRow(AudioOptions, SampleRate, Kind::List, QString());
    options.addRow(AudioOptions, AudioChannel, Kind::List, QStringLiteral("2"),
                   {QStringLiteral("1"), QStringLiteral("2")});
    options.addRow(AudioOptions, DisableAudio, Kind::List, QStringLiteral("No"),
                   {QStringLiteral("No"), QStringLiteral("Yes")});
    options.addRow(AudioOptions, AvSync, Kind::List, QStringLiteral("Basic"),
                   {QStringLiteral("Basic"), QStringLiteral("Default")});

    for (const QString &caption : {ItemName, AllClipDuration, StartTime, StopTime})
        options.setReadOnly(caption == ItemName ? General : OutputDuration, caption, true);
}

int ProfileOptions::LoadProfileOptions(ProfileDatabase &database,
                                       const QList<ProfileEntry> &entries, int selected,
                                       OptionSet &options)
{
    int typeId = 0;
    const bool hasSelection = selected >= 0 && selected < entries.size();
    if (hasSelection && entries[selected].isType())
        typeId = ProfileCatalogue::typeIdOfKey(entries[selected].key);
    if (hasSelection && typeId == 0 && selected + 1 < entries.size()) {
        // A class entry stands for its first type, which follows it.
        ++selected;
        // When the next entry is a class again (a class without types), there is no type
        // to read: its key's number is a class id, not a type id.
        if (entries[selected].isType())
            typeId = ProfileCatalogue::typeIdOfKey(entries[selected].key);
    }
    fillForType(database, typeId, options);
    return hasSelection ? selected : -1;
}

void ProfileOptions::fillForType(ProfileDatabase &database, int typeId, OptionSet &options)
{
    for (const DatabaseRow &row : databaseRows()) {
        options.setChoices(row.group, row.caption, {});
        const auto values = database.optionValues(row.table, typeId);
        if (!values || values->isEmpty()) {
            options.setValue(row.group, row.caption, NotAvailable);
            continue;
        }
        options.setValue(row.group, row.caption, values->first());
        options.setChoices(row.group, row.caption, *values);
    }
}

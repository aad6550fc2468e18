// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Media files made at test time by the installed encoder from its test sources.
class MediaFixtures
{
public:
    struct Clip
    {
        double seconds = 3; // a fraction as well: real files seldom last whole seconds
        QString size = QStringLiteral("320x240");
        bool video = true;
        bool audio = true;
        int rate = 25;
        QStringList codecArgs; // e.g. {"-c:v", "mpeg4"}; empty: the container's default
    };

    // Writes the clip to path (its extension picks the container); true on success.
    static bool make(const QString &path, const Clip &clip);
    static bool make(const QString &path, int seconds = 3);
    // The encoder of the build folder.
    static QString encoder();
    // Duration in seconds as the encoder reads the file back; -1 when it cannot.
    static double duration(const QString &path);
    // Whether the file holds a stream of that kind ("video" or "audio").
    static bool hasStream(const QString &path, const QString &kind);
    // "width x height, SAR a:b, DAR c:d" of the first video stream as the encoder's
    // probe reads it; empty when there is none.
    static QString videoShape(const QString &path);
    // What ffprobe says of the first video stream ("pix_fmt" -> "yuv420p", "field_order",
    // "color_transfer", ...) and of the file ("duration").
    static QMap<QString, QString> videoFacts(const QString &path);
    // Frames the encoder's interlace detector finds combed; -1 when it cannot read the file.
    static int combedFrames(const QString &path);
    // "W:H:X:Y" of the picture inside its black borders, as the encoder's cropdetect finds.
    static QString pictureArea(const QString &path);
};

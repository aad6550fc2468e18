#pragma once

#include <QString>
#include <QtGlobal>

// Preview state shared by the main window's preview panel and the clip editor's: only
// one player runs at a time.
struct PreviewState
{
    QString CurrentPreviewFile; // the file the main window's panel plays; set by a list click
    QString PlayerCommandLine;  // the command text of the player started last
    qint32 PreviewElapsed = 0;  // position shown, whole seconds from the file's start
    qint32 PreviewTotal = 0;    // length of the previewed file, whole seconds

    static PreviewState &instance();
};

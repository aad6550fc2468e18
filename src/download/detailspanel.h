// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "download/videodetails.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The downloader's view of a video: the thumbnail picTitle, the title, the five labelled
// details and the description txtDesc. Every value is shown as plain text, whatever
// markup it holds.
class DetailsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit DetailsPanel(QWidget *parent = nullptr);

    void showDetails(const VideoDetails &details);
    // False when the picture cannot be read; the one shown before then stays.
    bool showPicture(const QString &path);

private:
    QWidget *buildGrid();

    QLabel *picTitle;  // the thumbnail
    QLabel *lblTitle1; // the video's title
    QLabel *lblAuthor;
    QLabel *lblPublished;
    QLabel *lblCat;
    QLabel *lblDur;
    QLabel *lblRating;
    QPlainTextEdit *txtDesc;
};

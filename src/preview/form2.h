// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "preview/clipstate.h"

#include <QDialog>

class ConversionList;
class PictureBox;
class PreviewPanel;
class PreviewPlayer;
class QCheckBox;
class QComboBox;
class QLineEdit;
class RangeTool;

// The clip and watermark editor for one queue row: the part of the file to convert
// (typed, or picked with the range slider), an optional PNG watermark and its place, and
// a preview panel of its own. "OK" writes Start, End and Watermark back into the row.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    // Opens the editor, modal, for a row of the queue: the opening steps (stop the
    // preview), then the dialog. Returns the dialog's result; an empty list (or no such
    // row) opens nothing and gives Rejected.
    static int openFor(ConversionList &list, int row, PreviewPlayer *player,
                       QWidget *parent = nullptr);
    // The opening steps alone; false when there is nothing to open.
    static bool prepareFor(const ConversionList &list, int row, PreviewPlayer *player);

    // The editor for a row of the list, after the opening steps; its preview steers the
    // program's player.
    Form2(ConversionList &list, int row, PreviewPlayer *player, QWidget *parent = nullptr);

    PreviewPanel *preview() const { return m_preview; }
    // The row's values as the editor holds them now.
    const ClipState &clip() const { return m_clip; }

    void accept() override;
    void done(int result) override;

    // The five places a watermark can take, in the order the chooser lists them.
    static QStringList placeNames();

private:
    void buildLayout();
    QWidget *buildClipGroup();
    QWidget *buildWatermarkGroups();
    void load();
    void rangeMoved();
    void chooseImage();
    void removeImage();
    void showPlaceholder();
    bool showPicture(const QString &fileName);
    void updateClipTime();

    ConversionList &m_list;
    int m_row;
    ClipState m_clip;
    QLineEdit *Text1; // "Start Time"
    QLineEdit *Text2; // "End Time"
    QLineEdit *Text3; // "Clip Time"
    RangeTool *RangeTool1;
    QCheckBox *Check1;  // "Enable WaterMark"
    QComboBox *Combo1;  // the watermark's place
    PictureBox *Image1; // the watermark's thumbnail; a click chooses the picture
    PictureBox *Image3; // a click removes the picture
    PreviewPlayer *m_player;
    PreviewPanel *m_preview;
};

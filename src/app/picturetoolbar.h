// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QToolButton;

// The row of picture buttons along the top of the main window, left to right: "Add
// Files", "Remove File", "Clear All", "CONVERT NOW", "Clip", "WaterMark", "Options",
// then "To:" and the profile chooser. The pictures are flat and get a single-line
// border while the mouse is over one.
class PictureToolbar : public QWidget
{
    Q_OBJECT

public:
    explicit PictureToolbar(QWidget *parent = nullptr);

    QToolButton *Image1;    // "Add Files"
    QToolButton *Image2;    // "Remove File"
    QToolButton *Image9;    // "Clear All"
    QToolButton *Image11;   // "CONVERT NOW"
    QToolButton *Image10;   // "Clip"
    QToolButton *Image8;    // "WaterMark"
    QToolButton *Image7;    // "Options"
    QComboBox *ImageCombo1; // the profile chooser

private:
    QToolButton *addButton(const char *name, const char *caption, const char *picture);
};

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

    QToolButton *button(const QString &name) const;
    QComboBox *ImageCombo1; // the profile chooser

private:
    QToolButton *addButton(const QString &name, const QString &caption, const QString &picture);
};

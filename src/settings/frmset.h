// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

// Frmset: the settings dialog, "Video Options". Each opening reads settings.dat anew;
// nothing is written before OK.
class Frmset : public QDialog
{
    Q_OBJECT

public:
    explicit Frmset(QWidget *parent = nullptr);

private:
    void load();
    void accept() override;
    void browse();

    QLineEdit *Text2;      // output folder
    QRadioButton *Option1; // keep the existing file, add "_New"
    QRadioButton *Option2; // overwrite the existing file
    QCheckBox *Check1;     // shut down after the run
    QCheckBox *Check2;     // bring the unconverted files back at start
    QLineEdit *Text1;      // number of encoder threads
};

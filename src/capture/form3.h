// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CaptureControl;
class CapturePreviewFrame;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

// The capture window "Capture Video From DV": records a camera or the screen into an
// AVI file, with a live preview, the camera's pan, tilt, roll and zoom, and the
// recording's statistics twice a second. All device work is the capture control's.
class Form3 : public QDialog
{
    Q_OBJECT

public:
    static constexpr int PropertyCount = 4;
    static constexpr int StatisticsIntervalMs = 500;

    // Opens the window, modal, on this platform's devices.
    static int openCapture(QWidget *parent);

    // Takes no ownership of the control, which must outlive the window.
    explicit Form3(CaptureControl *control, QWidget *parent = nullptr);

    // However the window closes (Exit, the title bar, Escape), a recording is finished first.
    void done(int result) override;

    static QString defaultCaptureFile();

private:
    void buildControls();
    void buildLayout();
    void connectControls();
    void load();
    void chooseDevice(int index);
    void refreshSliders();
    void sliderClicked(int property);
    void startCapture();
    void stopCapture();
    void preview();
    void browse();
    void showStatistics();
    void recordingEnded();
    void recordingFailed(const QString &reason);
    void recordingInterrupted(const QString &reason);
    QString targetFile() const;
    bool hasDevice() const;

    CaptureControl *vcx; // the capture control: devices, preview, recording
    QGroupBox *Frame3;   // "Capture File"
    QLabel *Label1;
    QLineEdit *Text1;      // the file to record into
    QPushButton *Command5; // "Browse..."
    QGroupBox *Frame2;     // "Camera Control"
    QLabel *SkinLabel1;
    QComboBox *Combo1;                // the devices
    QLabel *SkinLabel[PropertyCount]; // "Pan:", "Tilt:", "Roll:", "Zoom:" (SkinLabel2 to 5)
    QSlider *Slider[PropertyCount];   // 0 pan, 1 tilt, 2 roll, 3 zoom
    QLabel *SkinLabel6;
    QLabel *Label2; // the recording's statistics
    CapturePreviewFrame *Frame1;
    QPushButton *Command3;   // "Preview"
    QPushButton *Command1;   // "Start capture"
    QPushButton *Command2;   // "Stop capture"
    QPushButton *Command4;   // "Exit"
    QTimer *Timer1;          // statistics, twice a second
    QString m_confirmedFile; // replacing it was agreed in the save dialog
    bool m_refreshing = false;
};

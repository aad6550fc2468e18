// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class ConversionList;
class ConversionPanel;
class ConversionRun;
class ConversionListView;
class QueueController;
class QueueKeeper;
class MainMenu;
class OptionSet;
class OptionSheetView;
class PictureToolbar;
class ProfileChooser;
class PreviewPanel;
class PreviewPlayer;
class QComboBox;
class QGroupBox;
class QLabel;

// Form1: the main window. Its construction is the program's start-up, its close the
// program's end; every other window is opened from here.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    static inline const QString HomePageAddress = QStringLiteral("https://www.klevar.org/");
    static inline const QString SupportAddress =
        QStringLiteral("https://www.klevar.org/support/faq.html");

    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    ConversionList *conversionList() const { return m_list; }
    OptionSet *options() const { return m_options; }
    QComboBox *profileChooser() const;
    QueueController *queue() const { return m_queue; }
    QueueKeeper *queueKeeper() const { return m_keeper; }
    ProfileChooser *profiles() const { return m_profiles; }
    ConversionRun *conversionRun() const { return m_run; }
    PreviewPlayer *previewPlayer() const { return m_player; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    QWidget *buildListArea();
    QWidget *buildRightArea();
    QGroupBox *buildPreviewArea();
    void connectCommands();
    void showOutputFolder();
    // The rows of the last run not yet converted come back, as the settings allow.
    void restoreQueue();
    // The size and place of the last run, kept in settings.dat.
    void restorePlace();
    void savePlace();

    void ShowHelp();
    void OpenWebPage(const QString &address);
    void showSettings();
    void showAbout();

    ConversionList *m_list;
    OptionSet *m_options;
    QueueController *m_queue;
    QueueKeeper *m_keeper;
    PreviewPlayer *m_player; // the program's one preview player
    PreviewPanel *m_preview = nullptr;
    ProfileChooser *m_profiles = nullptr;
    ConversionRun *m_run = nullptr;
    MainMenu *m_menu = nullptr;
    PictureToolbar *m_toolbar = nullptr;
    ConversionListView *lvwAudioTracks = nullptr;
    OptionSheetView *PS1 = nullptr;
    ConversionPanel *Picture4 = nullptr; // the conversion progress panel
    QLabel *SkinLabel3 = nullptr;        // "Video Output Folder: " and the folder
};

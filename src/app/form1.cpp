// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include "app/aboutbox.h"
#include "app/mainmenu.h"
#include "app/picturetoolbar.h"
#include "capture/form3.h"
#include "common/appfolder.h"
#include "common/appinfo.h"
#include "common/childprogram.h"
#include "common/desktop.h"
#include "common/programplaces.h"
#include "common/skin.h"
#include "convert/conversionpanel.h"
#include "convert/conversionrun.h"
#include "download/formyutobe.h"
#include "media/conversionlist.h"
#include "media/conversionlistview.h"
#include "media/mediaprobe.h"
#include "media/previewplayer.h"
#include "media/queuecontroller.h"
#include "media/queuekeeper.h"
#include "preview/form2.h"
#include "preview/previewpanel.h"
#include "profiles/optionset.h"
#include "profiles/optionsheetview.h"
#include "profiles/profilechooser.h"
#include "profiles/profileoptions.h"
#include "settings/frmset.h"
#include "settings/settings.h"
#include "settings/windowplace.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

Form1::Form1(QWidget *parent)
    : QMainWindow(parent), m_list(new ConversionList(this)), m_options(new OptionSet(this)),
      m_queue(new QueueController(m_list, m_options, this)),
      m_keeper(new QueueKeeper(m_list, m_queue->probe(), ProgramPlaces::queueFile(), this)),
      m_player(new PreviewPlayer(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(MainCaption));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/klevar.png")));
    buildWindow();
    connectCommands();

    // The start-up steps, in their order; a step that fails is skipped without a word
    // (only an unreadable catalogue is told, once).
    Skin::apply(this);
    Picture4->hide();
    ProfileOptions::prolist(*m_options);
    m_profiles = new ProfileChooser(m_toolbar->ImageCombo1, m_options, this);
    m_profiles->start();
    showOutputFolder();
    restorePlace();
    restoreQueue();
}

Form1::~Form1() = default;

QComboBox *Form1::profileChooser() const
{
    return m_toolbar->ImageCombo1;
}

void Form1::buildWindow()
{
    m_menu = new MainMenu(this);
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralArea"));
    m_toolbar = new PictureToolbar(central);

    auto *splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setObjectName(QStringLiteral("mainSplitter"));
    splitter->addWidget(buildListArea());
    splitter->addWidget(buildRightArea());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    // Room for every column of the list at the first size, the file name the widest.
    splitter->setSizes({800, 440});

    SkinLabel3 = new QLabel(central);
    SkinLabel3->setObjectName(QStringLiteral("SkinLabel3"));
    SkinLabel3->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(m_toolbar);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(8, 4, 8, 0);
    body->addWidget(splitter);
    layout->addLayout(body, 1);
    auto *status = new QHBoxLayout;
    status->setContentsMargins(10, 0, 10, 0);
    status->addWidget(SkinLabel3);
    layout->addLayout(status);
    setCentralWidget(central);

    m_run = new ConversionRun(
        m_list, m_options, [this] { return m_profiles->selectedCaption(); }, this);
    m_run->setMessageParent(this);
    m_run->setPreviewPlayer(m_player);
    Picture4 = new ConversionPanel(m_run, central);
    Picture4->move(160, 200);
    resize(1240, 840);
}

QWidget *Form1::buildListArea()
{
    auto *frame = new QGroupBox(QStringLiteral("Video List"));
    frame->setObjectName(QStringLiteral("Frame1"));
    lvwAudioTracks = new ConversionListView(frame);
    lvwAudioTracks->setQueue(m_queue);
    (new QVBoxLayout(frame))->addWidget(lvwAudioTracks);
    return frame;
}

QWidget *Form1::buildRightArea()
{
    auto *area = new QWidget;
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildPreviewArea(), 1);
    PS1 = new OptionSheetView(area);
    PS1->setOptionSet(m_options);
    layout->addWidget(PS1, 1);
    return area;
}

QGroupBox *Form1::buildPreviewArea()
{
    auto *frame = new QGroupBox(QStringLiteral("Privew"));
    frame->setObjectName(QStringLiteral("Frame2"));
    m_preview = new PreviewPanel(PreviewPanel::Role::Main, m_player, frame);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_preview);
    return frame;
}

void Form1::connectCommands()
{
    // The toolbar's pictures and the list's menu trigger the menu's own entries.
    const auto alsoBy = [](auto *trigger, auto signal, QAction *entry) {
        connect(trigger, signal, entry, &QAction::trigger);
    };
    alsoBy(m_toolbar->Image1, &QToolButton::clicked, m_menu->AddFiles);
    alsoBy(m_toolbar->Image2, &QToolButton::clicked, m_menu->RemoveSelectedFile);
    alsoBy(m_toolbar->Image9, &QToolButton::clicked, m_menu->ClearAllFiles);
    alsoBy(m_toolbar->Image11, &QToolButton::clicked, m_menu->BurnNow);
    alsoBy(m_toolbar->Image10, &QToolButton::clicked, m_menu->videoclip);
    alsoBy(m_toolbar->Image8, &QToolButton::clicked, m_menu->videowatermarkt);
    alsoBy(m_toolbar->Image7, &QToolButton::clicked, m_menu->options);
    alsoBy(lvwAudioTracks->convertNowAction(), &QAction::triggered, m_menu->BurnNow);
    alsoBy(lvwAudioTracks->playAction(), &QAction::triggered, m_menu->play);
    alsoBy(m_preview, &PreviewPanel::playRequested, m_menu->play);

    connect(m_menu->AddFiles, &QAction::triggered, this, [this] { m_queue->addByDialog(this); });
    connect(m_menu->RemoveSelectedFile, &QAction::triggered, m_queue,
            &QueueController::removeSelected);
    connect(m_menu->ClearAllFiles, &QAction::triggered, m_queue, &QueueController::clearAll);
    connect(m_menu->videoclip, &QAction::triggered, m_queue, &QueueController::openClipEditor);
    connect(m_menu->videowatermarkt, &QAction::triggered, m_queue,
            &QueueController::openClipEditor);
    connect(m_menu->BurnNow, &QAction::triggered, m_run, &ConversionRun::start);
    connect(lvwAudioTracks->convertFailedAction(), &QAction::triggered, m_run,
            &ConversionRun::startFailed);
    connect(m_menu->play, &QAction::triggered, this,
            [this] { m_preview->playRow(*m_list, m_queue->currentRow()); });
    connect(m_queue, &QueueController::clipEditorRequested, this,
            [this](int row) { Form2::openFor(*m_list, row, m_player, this); });
    alsoBy(lvwAudioTracks->importAction(), &QAction::triggered, m_menu->importvideo);
    connect(m_menu->importvideo, &QAction::triggered, this, [this] {
        Formyutobe downloader(m_player, this);
        downloader.exec();
    });
    alsoBy(lvwAudioTracks->captureAction(), &QAction::triggered, m_menu->Capture);
    connect(m_menu->Capture, &QAction::triggered, this, [this] { Form3::openCapture(this); });

    connect(m_queue, &QueueController::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
    connect(m_keeper, &QueueKeeper::writeFailed, this, [this](const QString &why) {
        statusBar()->showMessage(QStringLiteral("The queue could not be saved: ") + why);
    });
    connect(m_menu->exit, &QAction::triggered, this, &QWidget::close);
    connect(m_menu->options, &QAction::triggered, this, &Form1::showSettings);
    connect(m_menu->helphelp, &QAction::triggered, this, &Form1::ShowHelp);
    connect(m_menu->HomePage, &QAction::triggered, this, [this] { OpenWebPage(HomePageAddress); });
    connect(m_menu->SupportOnline, &QAction::triggered, this,
            [this] { OpenWebPage(SupportAddress); });
    connect(m_menu->About, &QAction::triggered, this, &Form1::showAbout);
}

void Form1::showOutputFolder()
{
    SkinLabel3->setText(QStringLiteral("Video Output Folder: ") + Settings::outputFolder());
}

void Form1::restoreQueue()
{
    if (Settings::restoreQueue())
        statusBar()->showMessage(QueueKeeper::restoredText(m_keeper->restore()));
}

void Form1::ShowHelp()
{
    Desktop::instance().showHelp(AppFolder() + QStringLiteral("help.chm"));
}

void Form1::OpenWebPage(const QString &address)
{
    Desktop::instance().openWebPage(QUrl(address));
}

void Form1::showSettings()
{
    Frmset dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        showOutputFolder();
}

void Form1::showAbout()
{
    AboutBox box(this);
    box.exec();
}

void Form1::restorePlace()
{
    const auto place = WindowPlace::fromText(Settings::read(Settings::MainWindowKey));
    if (!place)
        return;
    QList<QRect> screens;
    const auto all = QGuiApplication::screens();
    if (QScreen *primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (QScreen *screen : all)
        screens << screen->availableGeometry();
    setGeometry(place->fittedTo(screens));
    if (place->maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void Form1::savePlace()
{
    // A window never shown has no place of its own to keep.
    if (!isVisible())
        return;
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    if (normal.isValid())
        Settings::write(Settings::MainWindowKey, WindowPlace{normal, isMaximized()}.toText());
}

void Form1::closeEvent(QCloseEvent *event)
{
    savePlace();
    m_preview->stopPreview();
    if (const int position = m_profiles->selectedPosition())
        Settings::setProfile(position, m_profiles->selectedKey());
    m_profiles->close();
    m_run->stop();
    // The queue as the user left it, the files still waiting for the probe included.
    m_keeper->finish();
    // Before the runners are stopped: a stopped probe would otherwise start the next file.
    m_queue->probe()->stop();
    m_player->stopAll();
    // Whatever child is still attached (a probe, a query) ends with the window.
    ChildProgram::stopAll();
    event->accept();
}

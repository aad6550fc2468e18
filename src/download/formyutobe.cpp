// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/formyutobe.h"

#include "common/appfolder.h"
#include "common/desktop.h"
#include "common/programplaces.h"
#include "common/rounding.h"
#include "common/skin.h"
#include "download/detailspanel.h"
#include "download/downloadbar.h"
#include "download/inettransfer.h"
#include "download/pageloader.h"
#include "download/playerheaders.h"
#include "download/previewframe.h"
#include "download/safefilename.h"
#include "download/streamdownload.h"
#include "download/thumbnailsaver.h"
#include "download/watchpage.h"
#include "download/watchpagetext.h"
#include "download/ytdlpdownload.h"
#include "download/ytdlpprogram.h"
#include "download/ytdlpreader.h"
#include "media/playercommand.h"
#include "media/previewplayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {
const QString QuestionTitle = QStringLiteral("Download/Play");
const QString QuestionText = QStringLiteral("Do you want Download or Play this video?\n"
                                            "Click yes to Download, No to Play");

} // namespace

int Formyutobe::pixels(int twips)
{
    return int(roundHalfEven(twips / 15.0));
}

Formyutobe::Formyutobe(PreviewPlayer *player, QWidget *parent)
    : QDialog(parent), m_player(player), Inet1(new InetTransfer(this)),
      m_loader(new PageLoader(Inet1, this)), m_thumbnails(new ThumbnailSaver(this)),
      m_download(new StreamDownload(this)), m_reader(new YtDlpReader(this)),
      m_ytdlpDownload(new YtDlpDownload(this))
{
    setObjectName(QStringLiteral("Formyutobe"));
    setWindowTitle(QStringLiteral("Import Video From Youtube"));
    setModal(true);
    buildWindow();

    connect(cmdG, &QPushButton::clicked, this, &Formyutobe::getDirectLink);
    connect(txtWatchUrl, &QLineEdit::textChanged, cmdG, [this] { cmdG->setEnabled(true); });
    connect(txtWatchUrl, &QLineEdit::returnPressed, cmdG, &QPushButton::click);
    connect(m_loader, &PageLoader::statusChanged, lblTitle, &QLabel::setText);
    connect(m_loader, &PageLoader::loaded, this, &Formyutobe::pageLoaded);
    connect(m_thumbnails, &ThumbnailSaver::saved, this, &Formyutobe::thumbnailSaved);
    connect(m_download->transfer(), &InetTransfer::statusChanged, lblTitle, &QLabel::setText);
    connect(m_download, &StreamDownload::finished, this, &Formyutobe::downloadFinished);
    connect(m_ytdlpDownload, &YtDlpDownload::finished, this, &Formyutobe::downloadFinished);
    connect(m_reader, &YtDlpReader::described, this, &Formyutobe::described);
    connect(m_reader, &YtDlpReader::failed, this, &Formyutobe::notDescribed);
    for (const StreamQualityInfo &info : StreamQualities::all()) {
        connect(m_qualityButtons.value(info.quality), &QPushButton::clicked, this,
                [this, quality = info.quality] { qualityPressed(quality); });
    }
    connect(cmdPR, &QPushButton::clicked, this, &Formyutobe::previewPressed);
    connect(cmdCLose, &QPushButton::clicked, this, &QDialog::close);
    connect(frmPR, &PreviewFrame::hideRequested, frmPR, &QWidget::hide);

    Skin::apply(this);
    resize(pixels(WidthTwips), pixels(HeightTwips));
}

Formyutobe::~Formyutobe()
{
    stopEverything();
}

void Formyutobe::buildWindow()
{
    auto *urlLabel = new QLabel(QStringLiteral("Enter YouTube video URL"), this);
    urlLabel->setObjectName(QStringLiteral("Label1"));
    txtWatchUrl = new QLineEdit(ExampleAddress, this);
    txtWatchUrl->setObjectName(QStringLiteral("txtWatchUrl"));
    txtWatchUrl->installEventFilter(this);
    cmdG = new QPushButton(QStringLiteral("Get Direct Link"), this);
    cmdG->setObjectName(QStringLiteral("cmdG"));
    cmdG->setAutoDefault(false);
    auto *address = new QHBoxLayout;
    address->addWidget(txtWatchUrl, 1);
    address->addWidget(cmdG);

    m_detailsPanel = new DetailsPanel(this);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    cmdCLose = new QPushButton(QStringLiteral("Close"), this);
    cmdCLose->setObjectName(QStringLiteral("cmdCLose"));
    cmdCLose->setAutoDefault(false);
    cmdPR = new QPushButton(QStringLiteral("Preview"), this);
    cmdPR->setObjectName(QStringLiteral("cmdPR"));
    cmdPR->setAutoDefault(false);
    auto *status = new QHBoxLayout;
    status->addWidget(lblTitle, 1);
    status->addWidget(cmdPR);
    status->addWidget(cmdCLose);
    m_bar = new DownloadBar(this);

    auto *layout = new QVBoxLayout(this);
    // The window keeps its size whatever the fonts ask for.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(urlLabel);
    layout->addLayout(address);
    layout->addWidget(m_detailsPanel, 1);
    layout->addWidget(buildButtons());
    layout->addLayout(status);
    layout->addWidget(m_bar);

    // The preview panel lies over the window and shows only while it is used.
    frmPR = new PreviewFrame(this);
    frmPR->setGeometry(pixels(240), pixels(120), 440, 280);
    frmPR->hide();
}

QWidget *Formyutobe::buildButtons()
{
    auto *area = new QWidget(this);
    auto *layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (const StreamQualityInfo &info : StreamQualities::all()) {
        auto *button = new QPushButton(QString::fromLatin1(info.caption), area);
        button->setObjectName(QString::fromLatin1(info.button));
        button->setEnabled(false);
        button->setAutoDefault(false);
        layout->addWidget(button);
        m_qualityButtons.insert(info.quality, button);
    }
    return area;
}

void Formyutobe::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The size is the outer one: once the window manager has framed the window, the
    // inside gives up the frame's room.
    QTimer::singleShot(0, this, [this] {
        const QSize frame = frameGeometry().size() - geometry().size();
        resize(QSize(pixels(WidthTwips), pixels(HeightTwips)) - frame);
    });
}

void Formyutobe::getDirectLink()
{
    cmdG->setEnabled(false);
    m_detailsPanel->showPicture(AppFolder() + QStringLiteral("loading.jpg"));
    m_thumbnails->cancel();
    m_reader->cancel();
    LoadPage(txtWatchUrl->text());
}

void Formyutobe::LoadPage(const QString &address)
{
    m_loader->LoadPage(address);
}

void Formyutobe::pageLoaded(const QString &page, const QString &error, bool timedOut)
{
    Q_UNUSED(timedOut) // the status line already says "Slow Connection"
    if (!error.isEmpty())
        Desktop::instance().showMessage(this, QStringLiteral("Something Went Wrong\n") + error,
                                        Desktop::Icon::Critical);
    // A page of the old layout, or one that could not be loaded, is read as it always was.
    if (!error.isEmpty() || WatchPage::hasStreamMap(page)) {
        readOldPage(page);
        return;
    }
    m_page = page;
    if (!m_reader->read(QUrl(txtWatchUrl->text().trimmed()))) {
        readOldPage(page);
        lblTitle->setText(YtDlpProgram::missingText());
        return;
    }
    lblTitle->setText(QStringLiteral("Reading the page with yt-dlp..."));
}

void Formyutobe::readOldPage(const QString &page)
{
    m_streams = YtDlpStreams();
    GetURLs(page);
    WatchPage::ParseWatchPage(page, m_details);
    m_detailsPanel->showDetails(WatchPage::shown(m_details));
    saveThumbnail();
}

void Formyutobe::described(const YtDlpVideo &video)
{
    m_streams = YtDlpStreams(video);
    m_details = video.details;
    for (const StreamQualityInfo &info : StreamQualities::all())
        m_qualityButtons.value(info.quality)->setEnabled(m_streams.choice(info.quality));
    // yt-dlp's texts are plain already: an "&amp;" in them is meant as written.
    m_detailsPanel->showDetails(m_details);
    lblTitle->setText(m_streams.isEmpty()
                          ? QStringLiteral("yt-dlp lists no stream with a picture on this page.")
                          : QStringLiteral("Complete!"));
    saveThumbnail();
}

void Formyutobe::notDescribed(const QString &why)
{
    Desktop::instance().showMessage(this, QStringLiteral("Something Went Wrong\n") + why,
                                    Desktop::Icon::Critical);
    readOldPage(m_page);
    lblTitle->setText(why);
}

void Formyutobe::saveThumbnail()
{
    m_thumbnailName = m_details.VideoId + QStringLiteral(".jpg");
    if (!m_thumbnails->SaveThumbnail(m_details.ThumbnailUrl, m_thumbnailName))
        thumbnailSaved(false, QString());
}

void Formyutobe::thumbnailSaved(bool ok, const QString &path)
{
    Q_UNUSED(ok)
    Q_UNUSED(path)
    // The cached picture of this video, fetched now or earlier; a name the page made up
    // is never looked for.
    if (SafeFileName::isPlainName(m_thumbnailName))
        m_detailsPanel->showPicture(ThumbnailSaver::pathFor(m_thumbnailName));
    Q_EMIT directLinkDone();
}

void Formyutobe::GetURLs(const QString &page)
{
    const QList<StreamQuality> found = WatchPage::GetURLs(page, m_addresses);
    // A button that stood for a format of a page yt-dlp read goes back to the address
    // stored for it, if any.
    for (const StreamQualityInfo &info : StreamQualities::all())
        m_qualityButtons.value(info.quality)
            ->setEnabled(found.contains(info.quality) || !m_addresses.at(info.quality).isEmpty());
}

std::optional<QString> Formyutobe::URLDecode(const QString &text)
{
    return WatchPageText::URLDecode(text);
}

void Formyutobe::qualityPressed(StreamQuality quality)
{
    const StreamQualityInfo &info = StreamQualities::info(quality);
    const bool download =
        !info.asksFirst || Desktop::instance().askYesNo(this, QuestionTitle, QuestionText);
    if (!download)
        moveFrame(240, 120);
    if (const FormatChoice *format = m_streams.choice(quality)) {
        if (!download)
            LoadFLVPlayer(format->video.url, format->video.headers);
        else if (!downloadBusy())
            follow(m_streams.startDownload(quality, ProgramPlaces::downloadFolder(), *m_download,
                                           *m_ytdlpDownload));
        return;
    }
    const QUrl url = WatchPageText::streamUrl(m_addresses.at(quality));
    if (url.isEmpty()) {
        Desktop::instance().showMessage(
            this, QStringLiteral("Error-The address of this stream cannot be read."),
            Desktop::Icon::Critical);
        return;
    }
    if (download)
        startDownload(url, SafeFileName::make(m_details.VideoTitle,
                                              QString::fromLatin1(info.suffix), m_details.VideoId));
    else
        LoadFLVPlayer(url);
}

void Formyutobe::startDownload(const QUrl &url, const QString &fileName)
{
    if (!downloadBusy() &&
        m_download->DownloadStream(url, ProgramPlaces::downloadFolder(), fileName))
        follow(m_download);
}

bool Formyutobe::downloadBusy()
{
    if (!m_download->isRunning() && !m_ytdlpDownload->isRunning())
        return false;
    Desktop::instance().showMessage(this,
                                    QStringLiteral("A download is still running. Wait for it to "
                                                   "end before starting another one."),
                                    Desktop::Icon::Warning);
    return true;
}

void Formyutobe::follow(DownloadTask *task)
{
    if (task)
        m_bar->begin(task);
}

void Formyutobe::downloadFinished(bool ok, const QString &error)
{
    m_bar->end(ok);
    if (!ok)
        Desktop::instance().showMessage(this, QStringLiteral("Error-") + error,
                                        Desktop::Icon::Critical);
}

void Formyutobe::previewPressed()
{
    moveFrame(300, 450);
    if (const FormatChoice *format = m_streams.choice(StreamQuality::HdHigh)) {
        LoadFLVPlayer(format->video.url, format->video.headers);
        return;
    }
    const QUrl url = WatchPageText::streamUrl(m_addresses.HdHighUrl);
    if (url.isEmpty()) {
        lblTitle->setText(QStringLiteral("No HD High stream to preview."));
        return;
    }
    LoadFLVPlayer(url);
}

void Formyutobe::LoadFLVPlayer(const QUrl &link, const InetTransfer::Headers &headers)
{
    QWidget *surface = frmPR->surface();
    const qint64 windowId = qint64(surface->winId());
    bringFrameToFront();
    CommandLine command = PlayerCommand::build(link.toString(QUrl::FullyEncoded), windowId,
                                               std::nullopt, PlayerCommand::Blanks::Vo3Vf2);
    PlayerHeaders::add(command, headers);
    m_previewing = m_player->play(command);
    surface->setToolTip(QStringLiteral("Preview of ") + m_details.VideoTitle);
}

void Formyutobe::moveFrame(int leftTwips, int topTwips)
{
    frmPR->move(pixels(leftTwips), pixels(topTwips));
    frmPR->show();
    bringFrameToFront();
}

void Formyutobe::bringFrameToFront()
{
    // Making the surface a native window made the panel's neighbours native windows
    // too, stacked over it. raise() alone does nothing for a widget that is already
    // last among its siblings, so the panel goes down first.
    frmPR->lower();
    frmPR->raise();
}

void Formyutobe::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        DragWindow(this);
    QDialog::mouseMoveEvent(event);
}

bool Formyutobe::DragWindow(QWidget *window)
{
    // The window manager moves the window as if its title bar had been pressed.
    QWindow *handle = window->window()->windowHandle();
    return handle && handle->startSystemMove();
}

bool Formyutobe::eventFilter(QObject *watched, QEvent *event)
{
    // A click into the address selects it whole, so a paste replaces it.
    if (watched == txtWatchUrl && event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, txtWatchUrl, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void Formyutobe::done(int result)
{
    stopEverything();
    QDialog::done(result);
}

void Formyutobe::stopEverything()
{
    m_loader->cancel();
    m_thumbnails->cancel();
    m_download->cancel();
    m_reader->cancel();
    m_ytdlpDownload->cancel();
    if (m_previewing) {
        m_player->stop();
        m_previewing = false;
    }
}

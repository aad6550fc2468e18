// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/formyutobe.h"

#include "common/appfolder.h"
#include "common/desktop.h"
#include "common/programplaces.h"
#include "common/rounding.h"
#include "common/skin.h"
#include "download/downloadbar.h"
#include "download/inettransfer.h"
#include "download/pageloader.h"
#include "download/previewframe.h"
#include "download/safefilename.h"
#include "download/streamdownload.h"
#include "download/thumbnailsaver.h"
#include "download/watchpage.h"
#include "download/watchpagetext.h"
#include "media/playercommand.h"
#include "media/previewplayer.h"
#include "pictures/loadpicturefile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {
const QString QuestionTitle = QStringLiteral("Download/Play");
const QString QuestionText = QStringLiteral("Do you want Download or Play this video?\n"
                                            "Click yes to Download, No to Play");

QLabel *valueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    // A long value is cut at the window's edge instead of widening the window.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
} // namespace

int Formyutobe::pixels(int twips)
{
    return int(roundHalfEven(twips / 15.0));
}

Formyutobe::Formyutobe(PreviewPlayer *player, QWidget *parent)
    : QDialog(parent), m_player(player), Inet1(new InetTransfer(this)),
      m_loader(new PageLoader(Inet1, this)), m_thumbnails(new ThumbnailSaver(this)),
      m_download(new StreamDownload(this))
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

    txtDesc = new QPlainTextEdit(this);
    txtDesc->setObjectName(QStringLiteral("txtDesc"));
    txtDesc->setReadOnly(true);
    txtDesc->setMinimumHeight(30);

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
    m_bar = new DownloadBar(m_download, this);

    auto *layout = new QVBoxLayout(this);
    // The window keeps its size whatever the fonts ask for.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(urlLabel);
    layout->addLayout(address);
    layout->addWidget(buildDetails());
    layout->addWidget(txtDesc, 1);
    layout->addWidget(buildButtons());
    layout->addLayout(status);
    layout->addWidget(m_bar);

    // The preview panel lies over the window and shows only while it is used.
    frmPR = new PreviewFrame(this);
    frmPR->setGeometry(pixels(240), pixels(120), 440, 280);
    frmPR->hide();
}

QWidget *Formyutobe::buildDetails()
{
    auto *area = new QWidget(this);
    picTitle = new QLabel(area);
    picTitle->setObjectName(QStringLiteral("picTitle"));
    picTitle->setFixedSize(120, 90);
    picTitle->setAlignment(Qt::AlignCenter);
    picTitle->setFrameShape(QFrame::StyledPanel);

    lblTitle1 = valueLabel("lblTitle1", area);
    QFont bold = lblTitle1->font();
    bold.setBold(true);
    lblTitle1->setFont(bold);
    lblAuthor = valueLabel("lblAuthor", area);
    lblPublished = valueLabel("lblPublished", area);
    lblCat = valueLabel("lblCat", area);
    lblDur = valueLabel("lblDur", area);
    lblRating = valueLabel("lblRating", area);

    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(6);
    grid->addWidget(lblTitle1, 0, 0, 1, 2);
    const QList<std::pair<const char *, QLabel *>> rows = {{"Author:", lblAuthor},
                                                           {"Added:", lblPublished},
                                                           {"Category:", lblCat},
                                                           {"Length:", lblDur},
                                                           {"Rating:", lblRating}};
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(rows[row].first), area), row + 1, 0);
        grid->addWidget(rows[row].second, row + 1, 1);
    }
    grid->setColumnStretch(1, 1);
    auto *layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picTitle, 0, Qt::AlignTop);
    layout->addLayout(grid, 1);
    return area;
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
    showPicture(AppFolder() + QStringLiteral("loading.jpg"));
    m_thumbnails->cancel();
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
    GetURLs(page);
    WatchPage::ParseWatchPage(page, m_details);
    showDetails();
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
        showPicture(ThumbnailSaver::pathFor(m_thumbnailName));
    Q_EMIT directLinkDone();
}

void Formyutobe::GetURLs(const QString &page)
{
    for (const StreamQuality quality : WatchPage::GetURLs(page, m_addresses))
        m_qualityButtons.value(quality)->setEnabled(true);
}

std::optional<QString> Formyutobe::URLDecode(const QString &text)
{
    return WatchPageText::URLDecode(text);
}

void Formyutobe::showDetails()
{
    lblTitle1->setText(m_details.VideoTitle);
    lblTitle1->setToolTip(m_details.VideoTitle);
    txtDesc->setPlainText(m_details.VideoDescription);
    lblCat->setText(m_details.VideoCategory);
    lblAuthor->setText(m_details.VideoAuthor);
    lblDur->setText(m_details.VideoLength + QStringLiteral(" Sec."));
    lblPublished->setText(m_details.VideoPublished);
    lblRating->setText(m_details.VideoRating);
}

bool Formyutobe::showPicture(const QString &path)
{
    const LoadedPicture loaded = LoadPictureFile(path, -1, -1, 0, false);
    if (!loaded.ok())
        return false; // the picture shown before stays
    const QSize room = picTitle->contentsRect().size();
    picTitle->setPixmap(QPixmap::fromImage(
        loaded.picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    return true;
}

void Formyutobe::qualityPressed(StreamQuality quality)
{
    const StreamQualityInfo &info = StreamQualities::info(quality);
    const bool download =
        !info.asksFirst || Desktop::instance().askYesNo(this, QuestionTitle, QuestionText);
    if (!download)
        moveFrame(240, 120);
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
    if (m_download->isRunning()) {
        Desktop::instance().showMessage(
            this,
            QStringLiteral("A download is still running. Wait for it to end before "
                           "starting another one."),
            Desktop::Icon::Warning);
        return;
    }
    m_bar->begin();
    m_download->DownloadStream(url, ProgramPlaces::downloadFolder(), fileName);
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
    const QUrl url = WatchPageText::streamUrl(m_addresses.HdHighUrl);
    if (url.isEmpty()) {
        lblTitle->setText(QStringLiteral("No HD High stream to preview."));
        return;
    }
    LoadFLVPlayer(url);
}

void Formyutobe::LoadFLVPlayer(const QUrl &link)
{
    QWidget *surface = frmPR->surface();
    const qint64 windowId = qint64(surface->winId());
    bringFrameToFront();
    m_previewing = m_player->play(PlayerCommand::build(
        link.toString(QUrl::FullyEncoded), windowId, std::nullopt, PlayerCommand::Blanks::Vo3Vf2));
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
    if (m_previewing) {
        m_player->stop();
        m_previewing = false;
    }
}
